// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/Cp932.h"
#include <cerrno>
#include <iconv.h>

namespace kotsu {

namespace {

QByteArray& converterName() {
    static QByteArray name = QByteArrayLiteral("CP932");
    return name;
}

struct Converter {
    iconv_t cd;
    Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Converter() {
        if (opened())
            iconv_close(cd);
    }
    bool opened() const { return cd != iconv_t(-1); }
};

// Length of the UTF-8 sequence that starts with byte b.
int sequenceLength(unsigned char b) {
    if (b < 0x80)
        return 1;
    if ((b & 0xE0) == 0xC0)
        return 2;
    if ((b & 0xF0) == 0xE0)
        return 3;
    return 4;
}

} // namespace

void setCp932ConverterName(const QByteArray& name) {
    converterName() = name;
}

std::optional<QByteArray> toCp932(const QString& text, int* replaced) {
    if (replaced)
        *replaced = 0;
    Converter conv(converterName().constData(), "UTF-8");
    if (!conv.opened())
        return std::nullopt;
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2 + 16, '\0');
    char* src = in.data();
    size_t srcLeft = size_t(in.size());
    char* dst = out.data();
    size_t dstLeft = size_t(out.size());
    while (srcLeft > 0) {
        if (iconv(conv.cd, &src, &srcLeft, &dst, &dstLeft) != size_t(-1))
            break;
        // Anything but a character the code page lacks means the text was not converted.
        if (errno != EILSEQ && errno != EINVAL)
            return std::nullopt;
        if (dstLeft < 1)
            return std::nullopt;
        const size_t skip = qMin(srcLeft, size_t(sequenceLength(static_cast<unsigned char>(*src))));
        src += skip;
        srcLeft -= skip;
        *dst++ = '?';
        --dstLeft;
        if (replaced)
            ++*replaced;
    }
    // Ends the output in the initial shift state; for this code page it writes nothing.
    if (iconv(conv.cd, nullptr, nullptr, &dst, &dstLeft) == size_t(-1))
        return std::nullopt;
    out.truncate(int(dst - out.data()));
    return out;
}

} // namespace kotsu
