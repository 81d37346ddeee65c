// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include <QCommandLineParser>
#include <QFileInfo>

namespace kotsu {

namespace {

// Qt's own options still reach the QApplication built after this parse.
void acceptQtOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "style", "display"}) {
        QCommandLineOption o(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("コツコツ帳。 家計簿"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("この説明を表示して終わります。"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("バージョンを表示して終わります。"));
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral(
            "使う台帳ファイル（なければ作成します）。省略すると、プログラムと"
            "同じフォルダの kotsu.mdb（インストール版ではデータフォルダの kotsu.mdb）。"),
        QStringLiteral("[FILE]"));

    CommandLine out;
    const QString program =
        arguments.isEmpty() ? QStringLiteral("kotsu") : QFileInfo(arguments.first()).fileName();
    if (!parser.parse(arguments)) {
        out.action = CommandLine::Action::Error;
        out.output = QStringLiteral("%1: %2\n").arg(program, parser.errorText());
        return out;
    }
    if (parser.isSet(help)) {
        out.action = CommandLine::Action::Help;
        // Without an application object the parser cannot name the program itself.
        out.output = parser.helpText().replace(QStringLiteral("<executable_name>"), program);
        return out;
    }
    if (parser.isSet(version)) {
        out.action = CommandLine::Action::Version;
        out.output = QStringLiteral("kotsu (コツコツ帳。) %1\n").arg(QStringLiteral(KOTSU_VERSION));
        return out;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        out.action = CommandLine::Action::Error;
        out.output = QStringLiteral("%1: 台帳ファイルは一つだけ指定できます。\n").arg(program);
        return out;
    }
    // An empty name is a mistake, not the ledger beside the program.
    if (!files.isEmpty() && files.first().isEmpty()) {
        out.action = CommandLine::Action::Error;
        out.output = QStringLiteral("%1: 台帳ファイルの名前が空です。\n").arg(program);
        return out;
    }
    if (!files.isEmpty())
        out.file = files.first();
    return out;
}

} // namespace kotsu
