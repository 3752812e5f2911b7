// Values in the settings file: any bytes (text, file names that are not UTF-8, control
// characters) escaped, written on a line and read back are the same bytes, and the escaped
// form is one line of UTF-8 text. Input: the value.

#include "fuzzinput.h"
#include "sentaristore/files/textcodec.h"
#include "sentaristore/settings/inifile.h"
#include "sentaristore/settings/inivalue.h"

#include <string>

namespace ini = sentari::ini;
using sentari::IniDocument;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string value(reinterpret_cast<const char*>(data), size);
    const std::string escaped = ini::escapeValue(value);
    FUZZ_CHECK(ini::unescapeValue(escaped) == value);
    FUZZ_CHECK(sentari::text::isValidUtf8(escaped));
    FUZZ_CHECK(escaped.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);

    // In a file, between other keys, with either line end.
    const auto doc = IniDocument::parse("[General]\r\nA=1\r\nKey=" + escaped + "\r\nB=2\n");
    FUZZ_CHECK(doc.value("", "Key") == value);
    FUZZ_CHECK(doc.value("", "A") == "1" && doc.value("", "B") == "2");

    // A hand-edited value, read and written again by the store, reads as before.
    const std::string handEdited = ini::unescapeValue(value);
    FUZZ_CHECK(ini::unescapeValue(ini::escapeValue(handEdited)) == handEdited);
    return 0;
}
