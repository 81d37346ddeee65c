// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/Form1.h"
#include "app/Startup.h"
#include "ui/Fonts.h"
#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>

namespace {

QStringList argumentList(int argc, char* argv[]) {
    QStringList out;
    for (int i = 0; i < argc; ++i)
        out << QString::fromLocal8Bit(argv[i]);
    return out;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/kotsu-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    // Read before the QApplication, so --help and --version need no display.
    const kotsu::CommandLine line = kotsu::parseCommandLine(argumentList(argc, argv));
    switch (line.action) {
    case kotsu::CommandLine::Action::Help:
    case kotsu::CommandLine::Action::Version:
        std::fputs(line.output.toLocal8Bit().constData(), stdout);
        return 0;
    case kotsu::CommandLine::Action::Error:
        std::fputs(line.output.toLocal8Bit().constData(), stderr);
        return 1;
    case kotsu::CommandLine::Action::Run:
        break;
    }

    // No organisation: the data folder is XDG_DATA_HOME/kotsu.
    QApplication::setApplicationName(QStringLiteral("kotsu"));
    QApplication::setApplicationVersion(QStringLiteral(KOTSU_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kotsu"));
    QApplication app(argc, argv);
    QApplication::setWindowIcon(programIcon());
    kotsu::installJapaneseTranslation(app);
    kotsu::installFontSubstitutes();
    kotsu::enableAccessKeys();
    app.setFont(kotsu::proportionalGothic(9));

    kotsu::Started started =
        kotsu::startUp({line.file, QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});
    if (!started.window)
        return started.exitCode;
    started.window->show();
    return app.exec();
}
