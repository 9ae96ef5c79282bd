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

// As an office suite saves a short formatted note (its own styles, page styles, \uc0 pairs).
inline constexpr const char* LibreOfficeSample = R"rtf({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f2\fswiss\fprq2\fcharset0 Arial;}{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}{\f4\fswiss\fprq2\fcharset0 Liberation Sans{\*\falt Arial};}{\f5\froman\fprq2\fcharset0 Sans Serif{\*\falt Arial};}{\f6\fnil\fprq2\fcharset0 DejaVu Sans;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red0\green255\blue255;\red0\green255\blue0;\red255\green0\blue255;\red255\green0\blue0;\red255\green255\blue0;\red255\green255\blue255;\red0\green0\blue128;\red0\green128\blue128;\red0\green128\blue0;\red128\green0\blue128;\red128\green0\blue0;\red128\green128\blue0;\red128\green128\blue128;\red192\green192\blue192;\red200\green0\blue0;}
{\stylesheet{\s0\snext0\rtlch\af6\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052 Normal;}
{\s15\sbasedon0\snext16\rtlch\af6\afs28 \ltrch\hich\af4\loch\sb240\sa120\keepn\f4\fs28\dbch\af6 Heading;}
{\s16\sbasedon0\snext16\loch\sl276\slmult1\sb0\sa140 Text Body;}
{\s17\sbasedon16\snext17\loch\sl276\slmult1\sb0\sa140 List;}
{\s18\sbasedon0\snext18\rtlch\afs24\ai \ltrch\loch\sb120\sa120\noline\fs24\i Caption;}
{\s19\sbasedon0\snext19\loch\noline Index;}
}{\*\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}{\info{\creatim\yr0\mo0\dy0\hr0\min0}{\revtim\yr0\mo0\dy0\hr0\min0}{\printim\yr0\mo0\dy0\hr0\min0}}{\*\userprops}\deftab720
\hyphauto1\viewscale100
{\*\pgdsctbl
{\pgdsc0\pgdscuse451\pgwsxn12240\pghsxn15840\marglsxn1440\margrsxn1440\margtsxn1440\margbsxn1440\pgdscnxt0 Default Page Style;}}
\formshade\paperh15840\paperw12240\margl1440\margr1440\margt1440\margb1440\sectd\sbknone\pgndec\sftnnar\saftnnrlc\sectunlocked1\pgwsxn12240\pghsxn15840\marglsxn1440\margrsxn1440\margtsxn1440\margbsxn1440\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc\aftnrstcont\aftnstart1\aftnnrlc
{\*\ftnsep\chftnsep}\pgndec\pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\qc\ltrpar{\loch\cf17\fs32\b\loch
Consolidation notes}
\par \pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\ql\li450\ri0\lin450\rin0\fi-225\ltrpar{\hich\af5\loch\cf0\fs18\b0\f5\loch
Effective stress \u963\'3f\u8242\'27 = \u963\'3f \u8722\'3f u \u8804\'3f 100 kPa \u8364\'80 \u8220\'93quoted\u8221\'94 caf\u233\'e9 \u189\'bdm}{\hich\af5\loch\cf0\super\fs18\b0\f5\loch
3}
\par \pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\ql\li450\ri0\lin450\rin0\fi-225\ltrpar{\hich\af5\loch\cf0\fs18\b0\f5\loch
Tabs:\tab a\tab b\line second line \{braces\} back\\slash \uc0 \u55357\uc1 \u56832\'3f }{\hich\af5\loch\cf0\f5\dbch\afs18\ab0\dbch
\u20013\'3f\u25991\'3f}{\hich\af5\loch\cf0\f5\ul\ulc0\dbch\afs18\i\ab0\dbch
 }{\hich\af5\loch\cf0\fs18\i\ul\ulc0\b0\f5\loch
italic}
\par \pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\ql\li450\ri0\lin450\rin0\fi-225\ltrpar\hich\af5\loch\cf0\fs18\i\ul\ulc0\b0\f5\loch

\par \pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\ql\li450\ri0\lin450\rin0\fi-225\ltrpar{\hich\af5\loch\cf0\fs18\i\ul\ulc0\b0\f5\loch
after empty}
\par })rtf";

} // namespace rtftest
