// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Jet reader child hands back over its pipe, and how it ends.
#include <QDataStream>
#include <QFile>
#include <QList>
#include <QString>

namespace kotsu {

constexpr quint32 JetProtocolMagic = 0x4B4A5452;

// True when the file at path begins as a Jet (Access) database does, rather than as our
// own ledger or anything else.
inline bool isJetFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(20);
    return head.size() == 20 && head.mid(4, 16) == QByteArray("Standard Jet DB\0", 16);
}

// The child's exit status.
enum JetReaderExit : int {
    JetReadDone = 0,
    JetNotJet = 2,  // no Jet signature
    JetDamaged = 3, // a Jet signature, but its catalogue or a table cannot be read
    JetUsage = 64,
};

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
