#pragma once
// RTF as other programs write it.

namespace rtftest {

// As a word processor's own rich-text control writes a short note.
inline constexpr const char* WordPadSample =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
    "{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\qc\\b\\f0\\fs28\\lang9 Title\\b0\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1\\fs22 Normal \\i italic\\i0  \\ul under\\ulnone  \\strike gone\\strike0  "
    "\\cf1 red\\cf0  \\f1 Times\\f0  x\\super 2\\nosupersub  H\\sub 2\\nosupersub O \\highlight2 mark\\highlight0\\par\r\n"
    "}\r\n";

// As a desktop word processor saves a document: style sheet, information group, generator,
// header and footer, list text, a field, bookmarks, pictures and a Unicode pair.
inline constexpr const char* WordSample =
    "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff31507\\deff0\\stshfdbch31505\\deflang1033"
    "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
    "{\\f1\\fbidi \\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Arial{\\*\\falt Helvetica};}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "{\\*\\defchp \\fs22\\loch\\af31506}{\\*\\defpap \\ql \\li0\\ri0\\sa160}\r\n"
    "{\\stylesheet{\\ql \\li0\\ri0\\widctlpar\\wrapdefault\\aspalpha\\faauto\\rin0\\lin0\\itap0 \\rtlch\\fcs1 "
    "\\af0\\afs24 \\ltrch\\fcs0 \\fs24\\lang1033 \\snext0 \\sqformat \\spriority0 Normal;}"
    "{\\*\\cs10 \\additive \\ssemihidden Default Paragraph Font;}}\r\n"
    "{\\*\\rsidtbl \\rsid1\\rsid2}{\\*\\generator Microsoft Word 11.0.5604;}"
    "{\\info{\\title Sample}{\\author Someone}{\\creatim\\yr2004\\mo3\\dy4\\hr10\\min1}{\\version1}}\r\n"
    "{\\*\\latentstyles\\lsdstimax267{\\lsdlockedexcept Normal;heading 1;}}\r\n"
    "{\\header \\pard\\plain \\s15\\qc Header text\\par}{\\footer \\pard\\plain Footer text\\par}\r\n"
    "\\pard\\plain \\ltrpar\\s15\\ql \\li720\\ri0\\fi-360 \\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\f1\\fs24 "
    "{\\listtext\\pard\\plain \\f1\\fs24 \\'95\\tab}Bullet item\\par\r\n"
    "\\pard\\plain \\f0\\fs20 See {\\field{\\*\\fldinst {\\f0 HYPERLINK \"http://example.com/\"}}"
    "{\\fldrslt {\\ul\\cf2 the site}}} now.\\par\r\n"
    "{\\*\\bkmkstart mark}{\\*\\bkmkend mark}Picture: {\\pict\\wmetafile8\\picw100\\pich100 0100090000} after"
    "{\\*\\shppict{\\pict\\pngblip 89504e47}}{\\nonshppict{\\pict\\wmetafile8 0101}}.\\par\r\n"
    "{\\upr{\\f0 ansi}{\\*\\ud{\\f0 unicode}}} end \\u-10179\\'3f\\u-8704\\'3f\r\n"
    "{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0105}{\\result {\\pict 00}}}"
    "{\\footnote \\pard\\plain note}\r\n"
    "}";

} // namespace rtftest
