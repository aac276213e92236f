#include "PadSamples.h"

QByteArray Pad311Sample() {
    return QString(R"(<?xml version="1.0" encoding="ISO-8859-1" ?>
<XML_DIZ_INFO>
  <MASTER_PAD_VERSION_INFO>
    <MASTER_PAD_VERSION>3.11</MASTER_PAD_VERSION>
  </MASTER_PAD_VERSION_INFO>
  <Company_Info>
    <Company_Name>Caf&#233; Soft</Company_Name>
    <City_Town>Besançon</City_Town>
    <Contact_Info>
      <Author_First_Name>Zoé</Author_First_Name>
      <Author_Email>zoe@cafe.example</Author_Email>
    </Contact_Info>
  </Company_Info>
  <Program_Info>
    <Program_Name>Menu Planner</Program_Name>
    <Program_Version>2.1.3</Program_Version>
    <Program_Release_Month>3</Program_Release_Month>
    <Program_Release_Day>05</Program_Release_Day>
    <Program_Release_Year>2011</Program_Release_Year>
    <Program_Cost_Dollars>19.95</Program_Cost_Dollars>
    <Program_Change_Info>Faster printing</Program_Change_Info>
    <File_Info>
      <File_Size_Bytes>1572864</File_Size_Bytes>
      <File_Size_K>1536</File_Size_K>
      <File_Size_MB>1.50</File_Size_MB>
    </File_Info>
    <Limitations>30 days</Limitations>
  </Program_Info>
  <Program_Descriptions>
    <English>
      <Keywords>menu, recipes, café</Keywords>
      <Char_Desc_45>Plans menus</Char_Desc_45>
      <Char_Desc_80>Plans a week of menus</Char_Desc_80>
      <Char_Desc_250>Plans a week of menus and prints the shopping list</Char_Desc_250>
      <Char_Desc_450>Plans menus. Longer.</Char_Desc_450>
      <Char_Desc_2000>Plans menus. Longest.</Char_Desc_2000>
    </English>
  </Program_Descriptions>
  <Web_Info>
    <Application_URLs>
      <Application_Info_URL>http://cafe.example/menu</Application_Info_URL>
      <Application_Order_URL>http://cafe.example/buy</Application_Order_URL>
      <Application_Screenshot_URL>http://cafe.example/shot.png</Application_Screenshot_URL>
      <Application_Icon_URL>http://cafe.example/icon.png</Application_Icon_URL>
      <Application_XML_File_URL>http://cafe.example/menu.xml</Application_XML_File_URL>
    </Application_URLs>
    <Download_URLs>
      <Primary_Download_URL>http://cafe.example/menu.exe</Primary_Download_URL>
      <Secondary_Download_URL>http://mirror.example/menu.exe</Secondary_Download_URL>
    </Download_URLs>
  </Web_Info>
  <Affiliates>
    <Affiliates_FORM>Y</Affiliates_FORM>
    <Affiliates_Regnow_Order_Page>http://regnow.example/1</Affiliates_Regnow_Order_Page>
    <Affiliates_ShareIt_Order_Page>http://shareit.example/2</Affiliates_ShareIt_Order_Page>
  </Affiliates>
</XML_DIZ_INFO>
)")
        .toLatin1();
}

QByteArray PadWithProgramInfo(const QString& inner) {
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?><XML_DIZ_INFO><Program_Info><Program_Name>Kept</Program_Name>" +
            inner + "</Program_Info></XML_DIZ_INFO>")
        .toUtf8();
}
