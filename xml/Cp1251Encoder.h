#pragma once

struct _xmlCharEncodingHandler;

// libxml2's output encoder for windows-1251. A table look-up instead of
// iconv: the saved message passes every character through it. A character
// windows-1251 cannot hold is reported back, and libxml2 writes it as a
// numeric character reference.
_xmlCharEncodingHandler* Cp1251OutputEncoder();
