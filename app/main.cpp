#include "app/Form1.h"
#include "exchange/JetLedger.h"
#include "ledger/LedgerError.h"
#include "ledger/Schema.h"
#include "ui/ErrorReport.h"
#include "ui/Fonts.h"
#include <QApplication>
#include <QDir>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kotsu::installJapaneseTranslation(app);
    kotsu::installFontSubstitutes();
    kotsu::enableAccessKeys();
    app.setFont(kotsu::proportionalGothic(9));

    // The ledger lives beside the executable.
    const QString ledger =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kotsu.mdb"));
    // The Windows program's own ledger is taken over once, on the first start.
    if (kotsu::takeOverJetLedger(ledger) == kotsu::TakeOver::Refused)
        return 1;
    std::unique_ptr<kotsu::Form1> main;
    try {
        kotsu::ensureLedger(ledger);
        main = std::make_unique<kotsu::Form1>(ledger);
    } catch (const kotsu::LedgerError& e) {
        kotsu::reportLedgerError(nullptr, e);
        return 1;
    }
    main->show();
    return app.exec();
}
