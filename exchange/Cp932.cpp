// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/Cp932.h"
#include <cerrno>
#include <iconv.h>

namespace kotsu {

namespace {

struct Converter {
    iconv_t cd;
    Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Converter() {
        if (cd != iconv_t(-1))
            iconv_close(cd);
    }
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

QByteArray toCp932(const QString& text, int* replaced) {
    if (replaced)
        *replaced = 0;
    Converter conv("CP932", "UTF-8");
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2 + 16, '\0');
    char* src = in.data();
    size_t srcLeft = size_t(in.size());
    char* dst = out.data();
    size_t dstLeft = size_t(out.size());
    while (srcLeft > 0) {
        if (iconv(conv.cd, &src, &srcLeft, &dst, &dstLeft) != size_t(-1))
            break;
        if (errno == EILSEQ || errno == EINVAL) {
            const size_t skip =
                qMin(srcLeft, size_t(sequenceLength(static_cast<unsigned char>(*src))));
            src += skip;
            srcLeft -= skip;
            *dst++ = '?';
            --dstLeft;
            if (replaced)
                ++*replaced;
        } else {
            break; // E2BIG cannot happen: two bytes a UTF-8 byte is room enough
        }
    }
    out.truncate(int(dst - out.data()));
    return out;
}

} // namespace kotsu
