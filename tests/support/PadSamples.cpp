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

QByteArray Pad40Sample() {
    QString text = QString(R"(<?xml version="1.0" encoding="UTF-8" ?>
<XML_DIZ_INFO>
	<MASTER_PAD_VERSION_INFO>
		<MASTER_PAD_VERSION>4.0</MASTER_PAD_VERSION>
		<MASTER_PAD_INFO>Portable Application Description, see the format's public pages</MASTER_PAD_INFO>
	</MASTER_PAD_VERSION_INFO>
	<Company_Info>
		<Company_Name>Brightwater Labs &amp; Sons</Company_Name>
		<Country>Ireland</Country>
		<Company_WebSite_URL>https://brightwater.example</Company_WebSite_URL>
		<Contact_Info>
			<Author_First_Name>Siobhán</Author_First_Name>
			<Author_Email>siobhan@brightwater.example</Author_Email>
			<Contact_Email>sales@brightwater.example</Contact_Email>
		</Contact_Info>
	</Company_Info>
	<Program_Info>
		<Program_Name>Tide Tables Pro</Program_Name>
		<Program_Version>4.2.1</Program_Version>
		<Program_Release_Month>09</Program_Release_Month>
		<Program_Release_Day>07</Program_Release_Day>
		<Program_Release_Year>2021</Program_Release_Year>
		<Program_Cost_Dollars>24.95</Program_Cost_Dollars>
		<Program_Type>Shareware</Program_Type>
		<Program_OS_Support>Win10,Win11,Linux</Program_OS_Support>
		<Program_Change_Info>New harbours added; the print dialog remembers the page size.</Program_Change_Info>
		<Program_Category_Class>Home &amp; Hobby::Science</Program_Category_Class>
		<File_Info>
			<File_Size_Bytes>8388608</File_Size_Bytes>
			<File_Size_K>8192</File_Size_K>
			<File_Size_MB>8.00</File_Size_MB>
		</File_Info>
		<Expire_Info>
			<Has_Expire_Info>Y</Has_Expire_Info>
			<Expire_Count>30</Expire_Count>
			<Expire_Based_On>Days</Expire_Based_On>
		</Expire_Info>
		<Limitations>Prints a watermark until registered</Limitations>
	</Program_Info>
	<Program_Descriptions>
		<German>
			<Keywords>Gezeiten, Hafen</Keywords>
			<Char_Desc_45>Gezeitentabellen</Char_Desc_45>
			<Char_Desc_80>Gezeitentabellen für Häfen weltweit</Char_Desc_80>
			<Char_Desc_2000>Gezeitentabellen</Char_Desc_2000>
		</German>
		<English>
			<Keywords>tides, harbour, sailing, fishing, moon</Keywords>
			<Char_Desc_45>Tide tables for 5,000 harbours</Char_Desc_45>
			<Char_Desc_80>Tide tables for 5,000 harbours, with moon phases &amp; sunrise</Char_Desc_80>
			<Char_Desc_250>Tide tables for 5,000 harbours worldwide.</Char_Desc_250>
			<Char_Desc_450>Tide tables for 5,000 harbours worldwide, with moon phases.</Char_Desc_450>
			<Char_Desc_2000>Tide Tables Pro predicts high and low water for 5,000 harbours.
It prints monthly tables, shows moon phases, sunrise and sunset,
and exports to your calendar. Sailors' favourite since 2009.</Char_Desc_2000>
		</English>
	</Program_Descriptions>
	<Web_Info>
		<Application_URLs>
			<Application_Info_URL>https://brightwater.example/tides/</Application_Info_URL>
			<Application_Order_URL>https://brightwater.example/tides/buy?src=pad&amp;lang=en</Application_Order_URL>
			<Application_Screenshot_URL>https://brightwater.example/tides/shot.png</Application_Screenshot_URL>
			<Application_Icon_URL>https://brightwater.example/tides/icon.png</Application_Icon_URL>
			<Application_XML_File_URL>https://brightwater.example/tides/pad.xml</Application_XML_File_URL>
		</Application_URLs>
		<Download_URLs>
			<Primary_Download_URL>https://brightwater.example/tides/setup.exe</Primary_Download_URL>
			<Secondary_Download_URL>https://mirror.brightwater.example/setup.exe</Secondary_Download_URL>
			<Additional_Download_URL_1 />
		</Download_URLs>
	</Web_Info>
	<Permissions>
		<EULA>Use at your own risk.</EULA>
	</Permissions>
	<Affiliates>
		<Affiliates_FORM>Y</Affiliates_FORM>
		<Affiliates_Avangate_Order_Page />
		<Affiliates_Regnow_Order_Page>https://regnow.example/order?item=1234-5</Affiliates_Regnow_Order_Page>
		<Affiliates_ShareIt_Order_Page>https://shareit.example/product.html?productid=300012</Affiliates_ShareIt_Order_Page>
	</Affiliates>
</XML_DIZ_INFO>
)");
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray PadWithProgramInfo(const QString& inner) {
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?><XML_DIZ_INFO><Program_Info><Program_Name>Kept</Program_Name>" +
            inner + "</Program_Info></XML_DIZ_INFO>")
        .toUtf8();
}
