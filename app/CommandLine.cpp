// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

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

// The parser speaks English and runs before any translator exists: our own words.
QString helpText(const QString& program) {
    return QStringLiteral(
               "使い方: %1 [オプション] [FILE]\n"
               "コツコツ帳。 家計簿\n"
               "\n"
               "オプション:\n"
               "  -h, --help     この説明を表示して終わります。\n"
               "  -v, --version  バージョンを表示して終わります。\n"
               "\n"
               "引数:\n"
               "  FILE           使う台帳ファイル（なければ作成します）。省略すると、プログラムと\n"
               "                 同じフォルダの kotsu.mdb（インストール版ではデータフォルダの\n"
               "                 kotsu.mdb）。\n")
        .arg(program);
}

QString errorText(const QCommandLineParser& parser) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return QStringLiteral("「%1%2」というオプションはありません。")
            .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
    }
    const QString english = parser.errorText();
    const QString option = QRegularExpression(QStringLiteral("'(.*)'")).match(english).captured(1);
    if (english.startsWith(QLatin1String("Missing value")))
        return QStringLiteral("オプション「%1」には値が必要です。").arg(option);
    if (english.startsWith(QLatin1String("Unexpected value")))
        return QStringLiteral("オプション「%1」は値をとりません。").arg(option);
    return QStringLiteral("コマンドラインを読み取れません。");
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);

    CommandLine out;
    const QString program =
        arguments.isEmpty() ? QStringLiteral("kotsu") : QFileInfo(arguments.first()).fileName();
    if (!parser.parse(arguments)) {
        out.action = CommandLine::Action::Error;
        out.output = QStringLiteral("%1: %2\n「%1 --help」で使い方を表示します。\n")
                         .arg(program, errorText(parser));
        return out;
    }
    if (parser.isSet(help)) {
        out.action = CommandLine::Action::Help;
        out.output = helpText(program);
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
