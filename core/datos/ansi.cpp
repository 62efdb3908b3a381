#include "ansi.h"

namespace norvela {

namespace {

// 0x80..0x9F differ from Latin-1; 0 marks the five undefined positions.
constexpr char16_t kTabla80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QString DesdeAnsi(std::string_view bytes)
{
    QString texto;
    texto.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F && kTabla80[b - 0x80] != 0)
            texto.append(QChar(kTabla80[b - 0x80]));
        else
            texto.append(QChar(static_cast<char16_t>(b)));
    }
    return texto;
}

std::string HaciaAnsi(const QString &texto)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(texto.size()));
    for (const QChar ch : texto) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.push_back(static_cast<char>(u));
            continue;
        }
        char sustituto = '?';
        for (int i = 0; i < 32; ++i) {
            if (kTabla80[i] == u) {
                sustituto = static_cast<char>(0x80 + i);
                break;
            }
        }
        bytes.push_back(sustituto);
    }
    return bytes;
}

} // namespace norvela
