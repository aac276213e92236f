#!/usr/bin/env python3
"""Writes oracle.json: every product field each PAD file here holds (named as the program's PadProduct members), read with Python's own XML parser (expat, through
xml.dom.minidom) and its own letter-case folding, apart from the program's reader. Run it from any folder:

    python3 tests/pad/real/oracle.py

A file that is not well-formed is mended only as the program documents (a bare & becomes &amp;, an end tag in
other letter case than its start tag takes the start tag's spelling) and read again; what still does not read is
"refused" with the parser's reason and line. Descriptions come from the English block (any letter case), else the
first language block; the short one is the first non-empty of Char_Desc_80, Char_Desc_45, Char_Desc_250, the long
one of Char_Desc_2000, Char_Desc_450, Char_Desc_250. The size is File_Size_K when given, else File_Size_Bytes, each
only when it is a number.
"""

import datetime
import json
import pathlib
import re
import xml.dom.minidom
import xml.parsers.expat

HERE = pathlib.Path(__file__).resolve().parent

FIELDS = {
    "Name": "program_info/program_name",
    "Version": "program_info/program_version",
    "PadLocation": "web_info/application_urls/application_xml_file_url",
    "Author": "company_info/company_name",
    "Email": "company_info/contact_info/author_email",
    "ProgramUrl": "web_info/application_urls/application_info_url",
    "Screenshot": "web_info/application_urls/application_screenshot_url",
    "IconUrl": "web_info/application_urls/application_icon_url",
    "Download1": "web_info/download_urls/primary_download_url",
    "Download2": "web_info/download_urls/secondary_download_url",
    "BuyUrl": "web_info/application_urls/application_order_url",
    "Limitations": "program_info/limitations",
    "RecentChanges": "program_info/program_change_info",
    "RegNow": "affiliates/affiliates_regnow_order_page",
    "ShareIt": "affiliates/affiliates_shareit_order_page",
}
DESCRIPTIONS = {
    "ShortDescription": ["char_desc_80", "char_desc_45", "char_desc_250"],
    "LongDescription": ["char_desc_2000", "char_desc_450", "char_desc_250"],
    "Keywords": ["keywords"],
}
SIZE = re.compile(r"[0-9]{1,15}(\.[0-9]{1,6})?")

# Comments, CDATA sections, processing instructions and declarations are left as they are by both mendings.
UNTOUCHED = re.compile(rb"<!--.*?-->|<!\[CDATA\[.*?\]\]>|<\?.*?\?>|<![^>]*>", re.S)
BARE_AMPERSAND = re.compile(rb"&(?!#[0-9]+;|#x[0-9A-Fa-f]+;|[A-Za-z_][A-Za-z0-9._-]*;)")
TAG = re.compile(rb"<(/?)([A-Za-z_:][A-Za-z0-9_:.\-\x80-\xff]*)([^>]*)>")


def mend(data):
    """The document with both faults mended, outside comments and CDATA."""
    pieces, stack, last = [], [], 0

    def mend_text(text):
        text = BARE_AMPERSAND.sub(b"&amp;", text)

        def tag(match):
            closing, name, rest = match.groups()
            if not closing:
                if not rest.rstrip().endswith(b"/"):
                    stack.append(name)
                return match.group(0)
            if stack and stack[-1].lower() == name.lower():
                name = stack.pop()
            return b"</" + name + rest + b">"

        return TAG.sub(tag, text)

    for match in UNTOUCHED.finditer(data):
        pieces.append(mend_text(data[last : match.start()]))
        pieces.append(match.group(0))
        last = match.end()
    pieces.append(mend_text(data[last:]))
    return b"".join(pieces)


def parse(data):
    try:
        return xml.dom.minidom.parseString(data), None
    except xml.parsers.expat.ExpatError as error:
        return None, error


def clean(text):
    text = text.replace("\r\n", "\n").replace("\r", "\n")
    return "".join(c for c in text if c in "\t\n" or (ord(c) >= 0x20 and c not in "\ufffe\uffff")).strip()


def leaves(element, path, into, descriptions, languages):
    children = [c for c in element.childNodes if c.nodeType == c.ELEMENT_NODE]
    if not children:
        text = clean("".join(c.data for c in element.childNodes if c.nodeType in (c.TEXT_NODE, c.CDATA_SECTION_NODE)))
        if not text:
            return
        parts = path.split("/")
        if len(parts) == 3 and parts[0] == "program_descriptions":
            target, key = descriptions.setdefault(parts[1], {}), parts[2]
        else:
            target, key = into, path
        target.setdefault(key, text)
        return
    for child in children:
        name = child.tagName.lower()
        child_path = f"{path}/{name}" if path else name
        if path == "program_descriptions" and name not in languages:
            languages.append(name)
        leaves(child, child_path, into, descriptions, languages)


def release_date(values):
    parts = [values.get(f"program_info/program_release_{p}", "") for p in ("year", "month", "day")]
    if not all(re.fullmatch(r"[0-9]{1,4}", p) for p in parts):
        return ""
    try:
        return datetime.date(*(int(p) for p in parts)).isoformat()
    except ValueError:
        return ""


def read(data):
    document, error = parse(data)
    if error:
        mended = mend(data)
        if mended != data:
            document, error = parse(mended)
    if error:
        return {"refused": f"not well-formed: {xml.parsers.expat.ErrorString(error.code)}", "line": error.lineno}
    root = document.documentElement
    if root.tagName.lower() != "xml_diz_info":
        return {"refused": f"root element is <{root.tagName}>", "line": 0}
    values, descriptions, languages = {}, {}, []
    leaves(root, "", values, descriptions, languages)
    result = {field: values[path] for field, path in FIELDS.items() if path in values}
    language = "english" if "english" in languages else (languages[0] if languages else "")
    block = descriptions.get(language, {})
    for field, names in DESCRIPTIONS.items():
        text = next((block[name] for name in names if name in block), None)
        if text:
            result[field] = text
    for field, path in (("SizeKB", "file_size_k"), ("SizeBytes", "file_size_bytes")):
        size = values.get("program_info/file_info/" + path)
        if size:
            if SIZE.fullmatch(size):
                result[field] = size
            break
    if release_date(values):
        result["ReleaseDate"] = release_date(values)
    return result


def main():
    oracle = {path.name: read(path.read_bytes()) for path in sorted(HERE.glob("*.xml"))}
    (HERE / "oracle.json").write_text(json.dumps(oracle, indent=1, ensure_ascii=False) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
