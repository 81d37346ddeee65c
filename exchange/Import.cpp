#include "exchange/Import.h"

namespace kotsu {

ImportOutcome importOldLedger(const QString&, const QString&) {
    ImportOutcome out;
    out.reason = QStringLiteral("この版では旧形式のファイルをまだ読めません。");
    return out;
}

} // namespace kotsu
