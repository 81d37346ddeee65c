#pragma once
// What the Jet reader child hands back over its pipe.
#include <QDataStream>
#include <QList>
#include <QString>

namespace kotsu {

constexpr quint32 JetProtocolMagic = 0x4B4A5452;

struct JetValue {
    bool isNull = true;
    QString text;
};

inline QDataStream& operator<<(QDataStream& s, const JetValue& v) {
    return s << v.isNull << v.text;
}
inline QDataStream& operator>>(QDataStream& s, JetValue& v) {
    return s >> v.isNull >> v.text;
}

} // namespace kotsu
