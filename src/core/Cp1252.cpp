#include "Cp1252.h"

#include <cerrno>
#include <iconv.h>

namespace {

// One conversion descriptor per direction, opened once.
// What iconv_open returns when it cannot convert: the C library says so
// with (iconv_t) -1.
const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1); // NOLINT(performance-no-int-to-ptr)

class Converter {
public:
    Converter(const char* to, const char* from) : Handle(iconv_open(to, from)) { }
    ~Converter()
    {
        if (Handle != NoConverter)
            iconv_close(Handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one piece of input; false when the converter refuses it.
    bool Convert(std::string_view in, std::string& out)
    {
        if (Handle == NoConverter)
            return false;
        iconv(Handle, nullptr, nullptr, nullptr, nullptr); // fresh state
        char* source = const_cast<char*>(in.data());
        std::size_t sourceLeft = in.size();
        char buffer[256];
        while (sourceLeft > 0) {
            char* target = buffer;
            std::size_t targetLeft = sizeof buffer;
            const std::size_t done = iconv(Handle, &source, &sourceLeft, &target, &targetLeft);
            out.append(buffer, static_cast<std::size_t>(target - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t Handle;
};

Converter& ToCp1252()
{
    static Converter converter("WINDOWS-1252", "UTF-8");
    return converter;
}

Converter& FromCp1252()
{
    static Converter converter("UTF-8", "WINDOWS-1252");
    return converter;
}

} // namespace

std::optional<std::string> Cp1252FromUtf8(std::string_view utf8)
{
    std::string out;
    if (!ToCp1252().Convert(utf8, out))
        return std::nullopt;
    return out;
}

std::string Utf8FromCp1252(std::string_view bytes)
{
    // Byte by byte, so that one unassigned byte spoils only itself.
    std::string out;
    for (const char byte : bytes) {
        std::string one;
        if (FromCp1252().Convert(std::string_view(&byte, 1), one))
            out += one;
        else
            out += "\xEF\xBF\xBD";
    }
    return out;
}

bool FitsCp1252(std::string_view utf8)
{
    return Cp1252FromUtf8(utf8).has_value();
}
