// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "app/FlexGrid.h"
#include "app/GridModel.h"
#include "common/values.h"
#include "datepick/DateMod.h"
#include "dialogs/CategoryCommands.h"
#include "dialogs/EntryCommands.h"
#include "dialogs/Form10.h"
#include "dialogs/Form11.h"
#include "dialogs/Form3.h"
#include "dialogs/Form6.h"
#include "dialogs/Form7.h"
#include "dialogs/Form8.h"
#include "dialogs/Form9.h"
#include "exchange/ExchangeCommands.h"
#include "graph/GraphCommand.h"
#include "ledger/LedgerError.h"
#include "ui/Clock.h"
#include "ui/ErrorReport.h"
#include "ui/Fonts.h"
#include "ui/KeyHabits.h"
#include "ui/MessageBox.h"
#include "ui/QuickFill.h"
#include "ui/TypingUndo.h"
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace kotsu {

void setTotalColour(QLabel* label, qint64 value) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, value < 0 ? QColor(255, 0, 0) : QColor(0, 0, 0));
    label->setPalette(pal);
}

namespace {

QLabel* valueLabel(QWidget* parent, const char* name, int minWidth) {
    auto* l = new QLabel(QStringLiteral("0"), parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(minWidth);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Qt::white);
    l->setPalette(pal);
    return l;
}

// A list keeps the width the window gives it, as the old form's did; its drop-down still
// shows every name whole. Measuring hundreds of names for the box would slow each start.
void fixedWidthList(QComboBox* list) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

QLabel* caption(QWidget* parent, const QString& text) {
    return new QLabel(text, parent);
}

// Ctrl+D opens a band's calendar from anywhere in that band.
QShortcut* calendarKey(QWidget* band) {
    return new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), band, nullptr, nullptr,
                         Qt::WidgetWithChildrenShortcut);
}

} // namespace

Form1::Form1(const QString& ledgerPath, LedgerAccess access, QWidget* parent)
    : QMainWindow(parent), ledgerPath_(ledgerPath), access_(access) {
    setWindowTitle(readOnly() ? QStringLiteral("コツコツ帳。　Ver3.2　［読み取り専用］")
                              : QStringLiteral("コツコツ帳。　Ver3.2"));
    setFont(proportionalGothic(9));
    auto* central = new QWidget(this);
    new QVBoxLayout(central);
    buildRegistrationBand(central);
    buildListBand(central);
    buildGrids(central);
    buildSummaryBand(central);
    setCentralWidget(central);
    buildMenus();
    enableMenuBarKeys(this);
    buildPopups();
    for (QAction* a : {MnuUndo, MnuRedo, MnuInp, MnuCls, MnuKom, MnuTeiki, MnuMitouroku, MnuMeiEdit,
                       MnuMeiDel, MnuIkkatu, MnuKamAdd, MnuKamNew, MnuKamEdit, MnuKamDel})
        addWriteAction(a);
    setTabOrder();
    resize(15000 / 15, 9000 / 15);

    form3_ = new Form3(*this, this);
    form7_ = new Form7(*this, this);
    categoryCommands_ = std::make_unique<CategoryCommands>(*this);
    entryCommands_ = std::make_unique<EntryCommands>(*this, *form3_, *form7_);
    exchangeCommands_ = std::make_unique<ExchangeCommands>(*this);

    connect(Cmb登録, &QPushButton::clicked, this, &Form1::Cmb登録_Click);
    connect(Btn日付, &QPushButton::clicked, this, &Form1::Btn日付_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::MnuGraph_Click);
    connect(calendarKey(Btn日付->parentWidget()), &QShortcut::activated, this,
            &Form1::Btn日付_Click);
    connect(calendarKey(Command1->parentWidget()), &QShortcut::activated, this,
            &Form1::Command1_Click);
    // Enter registers from the amount and the comment, and searches from the filter.
    for (QObject* o : {static_cast<QObject*>(Txt登録金額), static_cast<QObject*>(Cmb登録コメント),
                       static_cast<QObject*>(Cmb明細科目)})
        o->installEventFilter(this);
    connect(FLx科目, &FlexGrid::mouseDown, this, &Form1::FLx科目_MouseDown);
    connect(Flx明細, &FlexGrid::mouseDown, this, &Form1::Flx明細_MouseDown);
    connect(Flx明細->gridModel(), &GridModel::readFailed, this, &Form1::Flx明細_ReadFailed);
    connect(FLx科目, &FlexGrid::keyboardMenu, this,
            [this] { openPopup(MnuKamPop, FLx科目, false); });
    connect(Flx明細, &FlexGrid::keyboardMenu, this,
            [this] { openPopup(MnuMeiPop, Flx明細, false); });

    // After the Enter filter above, so it sees the keys first.
    commentFill_ = new QuickFill(Cmb登録コメント);
    commentFill_->setSource([this] { return phraseOrder(); });
    form3_->commentFill->setSource([this] { return phraseOrder(); });
    connect(commentFill_, &QuickFill::picked, this, &Form1::Cmb登録コメント_Picked);
    connect(Cmb登録科目, &QComboBox::activated, this, [this] { categoryChosen_ = true; });

    startUp();
    pressFocusedButtonOnEnter(this);
    leaveUndoKeysToWindowWhenNothingTyped(this);
    // An entry is typed category first, from the moment the window opens.
    Cmb登録科目->setFocus();
}

Form1::~Form1() = default;

void Form1::buildRegistrationBand(QWidget* host) {
    auto* band = new QGroupBox(QStringLiteral("収支の登録"), host);
    auto* row = new QHBoxLayout(band);
    Label2[0] = caption(band, QStringLiteral("年月日："));
    Label2[1] = caption(band, QStringLiteral("科目："));
    Label2[2] = caption(band, QStringLiteral("金額："));
    Label2[3] = caption(band, QStringLiteral("コメント："));
    Lbl登録日付 = valueLabel(band, "Lbl登録日付", 90);
    Lbl登録日付->setAlignment(Qt::AlignCenter);
    Btn日付 = new QPushButton(QStringLiteral("…"), band);
    Btn日付->setObjectName(QStringLiteral("Btn日付"));
    Btn日付->setFixedWidth(26);
    Btn日付->setToolTip(QStringLiteral("登録日をカレンダーで選びます（Ctrl+D）"));
    Cmb登録科目 = new QComboBox(band);
    Cmb登録科目->setObjectName(QStringLiteral("Cmb登録科目"));
    Cmb登録科目->setMinimumWidth(1530 / 15);
    fixedWidthList(Cmb登録科目);
    Txt登録金額 = new QLineEdit(band);
    Txt登録金額->setObjectName(QStringLiteral("Txt登録金額"));
    Txt登録金額->setMaxLength(10);
    Txt登録金額->setAlignment(Qt::AlignRight);
    Txt登録金額->setFixedWidth(1100 / 15);
    Txt登録金額->setAttribute(Qt::WA_InputMethodEnabled, false);
    Cmb登録コメント = new QComboBox(band);
    Cmb登録コメント->setObjectName(QStringLiteral("Cmb登録コメント"));
    Cmb登録コメント->setEditable(true);
    Cmb登録コメント->setInsertPolicy(QComboBox::NoInsert);
    // Phrases are suggestions in the list only: a completer would rewrite what was typed.
    Cmb登録コメント->setCompleter(nullptr);
    Cmb登録コメント->setMinimumWidth(2500 / 15);
    fixedWidthList(Cmb登録コメント);
    Cmb登録 = new QPushButton(QStringLiteral("登録(&S)"), band);
    Cmb登録->setObjectName(QStringLiteral("Cmb登録"));
    row->addWidget(Label2[0]);
    row->addWidget(Lbl登録日付);
    row->addWidget(Btn日付);
    row->addSpacing(8);
    row->addWidget(Label2[1]);
    row->addWidget(Cmb登録科目);
    row->addSpacing(8);
    row->addWidget(Label2[2]);
    row->addWidget(Txt登録金額);
    row->addSpacing(8);
    row->addWidget(Label2[3]);
    row->addWidget(Cmb登録コメント, 1);
    row->addSpacing(8);
    row->addWidget(Cmb登録);
    host->layout()->addWidget(band);
}

void Form1::buildListBand(QWidget* host) {
    auto* band = new QGroupBox(QStringLiteral("明細の一覧"), host);
    auto* row = new QHBoxLayout(band);
    Label2[6] = caption(band, QStringLiteral("月指定："));
    Label2[6]->setObjectName(QStringLiteral("Label2_6"));
    Label2[4] = caption(band, QStringLiteral("科目："));
    Lbl明細日付 = valueLabel(band, "Lbl明細日付", 90);
    Lbl明細日付->setAlignment(Qt::AlignCenter);
    Command1 = new QPushButton(QStringLiteral("…"), band);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFixedWidth(26);
    Command1->setToolTip(QStringLiteral("表示する期間をカレンダーで選びます（Ctrl+D）"));
    Cmb明細科目 = new QComboBox(band);
    Cmb明細科目->setObjectName(QStringLiteral("Cmb明細科目"));
    Cmb明細科目->setMinimumWidth(1530 / 15);
    fixedWidthList(Cmb明細科目);
    Command2 = new QPushButton(QStringLiteral("検索(&F)"), band);
    Command2->setObjectName(QStringLiteral("Command2"));
    // Alt+F belongs to the ﾌｧｲﾙ menu, as menus win over buttons where this program comes
    // from; the button keeps its caption and answers Space and Enter.
    Command2->setShortcut(QKeySequence());
    Command3 = new QPushButton(QStringLiteral("ｸﾞﾗﾌ(&G)"), band);
    Command3->setObjectName(QStringLiteral("Command3"));
    row->addWidget(Label2[6]);
    row->addWidget(Lbl明細日付);
    row->addWidget(Command1);
    row->addSpacing(8);
    row->addWidget(Label2[4]);
    row->addWidget(Cmb明細科目);
    row->addSpacing(8);
    row->addWidget(Command2);
    row->addWidget(Command3);
    row->addStretch();
    host->layout()->addWidget(band);
}

void Form1::buildGrids(QWidget* host) {
    auto* row = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    auto* entriesTitle = caption(host, QStringLiteral("明　細"));
    entriesTitle->setAlignment(Qt::AlignCenter);
    auto* categoriesTitle = caption(host, QStringLiteral("科　目"));
    categoriesTitle->setAlignment(Qt::AlignCenter);
    Flx明細 = new FlexGrid(6, host);
    Flx明細->setObjectName(QStringLiteral("Flx明細"));
    FLx科目 = new FlexGrid(6, host);
    FLx科目->setObjectName(QStringLiteral("FLx科目"));
    for (int c : {3, 4})
        Flx明細->setColAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    for (int c : {3, 4, 5})
        FLx科目->setColAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    left->addWidget(entriesTitle);
    left->addWidget(Flx明細);
    right->addWidget(categoriesTitle);
    right->addWidget(FLx科目);
    row->addLayout(left, 7660);
    row->addLayout(right, 5730);
    static_cast<QVBoxLayout*>(host->layout())->addLayout(row, 1);
}

void Form1::buildSummaryBand(QWidget* host) {
    auto* band = new QGroupBox(QStringLiteral("集計"), host);
    auto* row = new QHBoxLayout(band);
    Lbl集計収入 = valueLabel(band, "Lbl集計収入", 90);
    Lbl集計支出 = valueLabel(band, "Lbl集計支出", 90);
    Lbl集計合計 = valueLabel(band, "Lbl集計合計", 90);
    Lbl集計予算 = valueLabel(band, "Lbl集計予算", 90);
    Lbl集計支出2 = valueLabel(band, "Lbl集計支出2", 90);
    Lbl集計差額 = valueLabel(band, "Lbl集計差額", 90);
    Lbl集計残高 = valueLabel(band, "Lbl集計残高", 140);
    QFont big = Lbl集計残高->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    Lbl集計残高->setFont(big);
    auto group = [&](std::initializer_list<std::pair<QString, QLabel*>> items) {
        auto* g = new QGridLayout;
        int r = 0;
        for (const auto& [text, label] : items) {
            g->addWidget(caption(band, text), r, 0, Qt::AlignRight);
            g->addWidget(label, r, 1);
            ++r;
        }
        row->addLayout(g);
        row->addSpacing(24);
    };
    group({{QStringLiteral("収入："), Lbl集計収入},
           {QStringLiteral("支出："), Lbl集計支出},
           {QStringLiteral("合計："), Lbl集計合計}});
    group({{QStringLiteral("予算："), Lbl集計予算},
           {QStringLiteral("支出："), Lbl集計支出2},
           {QStringLiteral("差額計："), Lbl集計差額}});
    row->addWidget(caption(band, QStringLiteral("残　高")));
    row->addWidget(Lbl集計残高);
    row->addStretch();
    host->layout()->addWidget(band);
}

void Form1::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    MnuExp = file->addAction(QStringLiteral("明細を出力する(&E)"));
    MnuInp = file->addAction(QStringLiteral("Ver2.0の明細データの取込み(&I)"));
    file->addSeparator();
    MnuEnd = file->addAction(QStringLiteral("終了(&X)"));
    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    MnuUndo = edit->addAction(QString());
    MnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    MnuRedo = edit->addAction(QString());
    MnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    MnuMeiFind = edit->addAction(QStringLiteral("明細検索(&S)"));
    MnuMeiFind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    MnuKamNew = edit->addAction(QStringLiteral("科目の追加(&A)..."));
    MnuKom = edit->addAction(QStringLiteral("ｺﾒﾝﾄ編集(&K)"));
    MnuGraph = edit->addAction(QStringLiteral("ｸﾞﾗﾌ表示(&G)"));
    edit->addSeparator();
    MnuTeiki = edit->addAction(QStringLiteral("定期明細の設定(&T)..."));
    MnuMitouroku = edit->addAction(QStringLiteral("未登録の定期明細(&M)..."));
    edit->addSeparator();
    MnuCls = edit->addAction(QStringLiteral("初期化(&C)"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    MnuVer = help->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ(&V)"));

    connect(MnuEnd, &QAction::triggered, this, &QWidget::close);
    connect(MnuVer, &QAction::triggered, this, &Form1::MnuVer_Click);
    connect(MnuUndo, &QAction::triggered, this, &Form1::MnuUndo_Click);
    connect(MnuRedo, &QAction::triggered, this, &Form1::MnuRedo_Click);
    connect(&history_, &UndoHistory::changed, this, &Form1::showUndoSteps);
    showUndoSteps();
    connect(MnuGraph, &QAction::triggered, this, &Form1::MnuGraph_Click);
    connect(MnuMeiFind, &QAction::triggered, this, [this] { MnuMeiFind_Click(*this); });
    connect(MnuKamNew, &QAction::triggered, this, [this] { MnuKamAdd->trigger(); });
    connect(MnuKom, &QAction::triggered, this,
            [this] { guarded([this] { MnuKom_Click(*this); }); });
    connect(MnuExp, &QAction::triggered, this, [this] { exchangeCommands_->MnuExp_Click(); });
    connect(MnuInp, &QAction::triggered, this, [this] { exchangeCommands_->MnuInp_Click(); });
    connect(MnuCls, &QAction::triggered, this, [this] { exchangeCommands_->MnuCls_Click(); });
    connect(MnuTeiki, &QAction::triggered, this, [this] { MnuTeiki_Click(*this); });
    connect(MnuMitouroku, &QAction::triggered, this, [this] { proposeFixedEntries(*this, true); });
}

void Form1::buildPopups() {
    // Popup-only menus: never on the menu bar, opened from the grids.
    MnuMeiPop = new QMenu(QStringLiteral("明細用メニュー"), this);
    MnuMeiEdit = MnuMeiPop->addAction(QStringLiteral("修正(&E)"));
    MnuMeiDel = MnuMeiPop->addAction(QStringLiteral("削除(&D)"));
    MnuMeiPop->addSeparator();
    MnuIkkatu = MnuMeiPop->addAction(QStringLiteral("一括変更(&I)"));
    MnuKamPop = new QMenu(QStringLiteral("科目用メニュー"), this);
    MnuKamAdd = MnuKamPop->addAction(QStringLiteral("新規追加(&A)"));
    MnuKamEdit = MnuKamPop->addAction(QStringLiteral("修正(&E)"));
    MnuKamDel = MnuKamPop->addAction(QStringLiteral("削除(&D)"));

    connect(MnuMeiEdit, &QAction::triggered, this, [this] { entryCommands_->MnuMeiEdit_Click(); });
    connect(MnuMeiDel, &QAction::triggered, this, [this] { entryCommands_->MnuMeiDel_Click(); });
    connect(MnuIkkatu, &QAction::triggered, this, [this] { entryCommands_->MnuIkkatu_Click(); });
    connect(MnuKamAdd, &QAction::triggered, this, [this] { categoryCommands_->MnuKamAdd_Click(); });
    connect(MnuKamEdit, &QAction::triggered, this,
            [this] { categoryCommands_->MnuKamEdit_Click(); });
    connect(MnuKamDel, &QAction::triggered, this, [this] { categoryCommands_->MnuKamDel_Click(); });
}

void Form1::setTabOrder() {
    // Category, amount, comment, register: the order an entry is typed in.
    const QList<QWidget*> order = {Cmb登録科目, Txt登録金額, Cmb登録コメント, Cmb登録,
                                   Command1,    Cmb明細科目, Command2,        Command3,
                                   Flx明細,     FLx科目,     Btn日付};
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void Form1::startUp() {
    Sub初期化1();
    Sub初期化2();
    const QDate today = Clock::today();
    const QDate first(today.year(), today.month(), 1);
    const QDate last(today.year(), today.month(), Fnc月末日(first).toInt());
    SubDB読み込み(first, last);
    Tag = QLatin1Char('m') + dateText(today);
    Label2[6]->setText(QStringLiteral("月指定："));
    Cmb明細科目->setCurrentIndex(0);
    Dat期間開始 = first;
    Dat期間終了 = last;
    // MnuMeiPop and MnuKamPop are popup-only: they were never added to the menu bar.
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A read-only ledger has nothing to propose: nothing could be booked.
    if (proposedAtStart_ || readOnly())
        return;
    proposedAtStart_ = true;
    // Queued, so the month the proposal changes is painted beneath it first.
    QTimer::singleShot(0, this, [this] { proposeFixedEntries(*this, false); });
}

void Form1::Sub初期化1() {
    Sub明細初期化();
    Sub科目初期化();
}

void Form1::Sub初期化2() {
    const QString today = dateText(Clock::today());
    Lbl登録日付->setText(today);
    Txt登録金額->clear();
    Lbl明細日付->setText(today);
    for (QLabel* l : {Lbl集計収入, Lbl集計支出, Lbl集計合計, Lbl集計予算, Lbl集計支出2, Lbl集計差額,
                      Lbl集計残高})
        l->setText(QStringLiteral("0"));
}

void Form1::SubDB読み込み(const QDate& StYMD, const QDate& EdYMD) {
    // The summary settles the filter first (a deleted category's filter becomes all
    // categories), so the list is read for the filter shown.
    Sub科目読み込み(StYMD, EdYMD);
    Sub明細読み込み(StYMD, EdYMD);
    Subコメント読み込み();
}

void Form1::addWriteAction(QAction* action) {
    if (readOnly())
        action->setEnabled(false);
}

bool Form1::mayWrite() {
    if (!readOnly())
        return true;
    MessageBox::error(this,
                      QStringLiteral("この台帳は読み取り専用です。変更はできません。\n%1")
                          .arg(QDir::toNativeSeparators(ledgerPath_)),
                      QStringLiteral("コツコツ帳。"));
    return false;
}

void Form1::Flx明細_ReadFailed(const QString& why) {
    MessageBox::error(this,
                      QStringLiteral("明細の一部を読み込めませんでした！！\n") + why +
                          QStringLiteral("\n検索(&F)で読み直してください。"),
                      QStringLiteral("読み込みエラー"));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // An editable combo box holds the focus for its line edit: keys and input reach it first.
    if (watched == Cmb登録コメント && event->type() == QEvent::InputMethod)
        composingComment_ = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QMainWindow::eventFilter(watched, event);
    if (watched == Cmb明細科目) {
        Command2_Click();
        return true;
    }
    if (watched == Cmb登録コメント && composingComment_)
        return false;
    Cmb登録_Click();
    return true;
}

void Form1::MnuVer_Click() {
    Form8 f(this);
    f.exec();
}

void Form1::MnuGraph_Click() {
    guarded([this] { openGraph(*this); });
}

// MainPort.
QString Form1::registrationDate() const {
    return Lbl登録日付->text();
}
void Form1::setRegistrationDate(const QString& date) {
    Lbl登録日付->setText(date);
}
QString Form1::listDate() const {
    return Lbl明細日付->text();
}
QString Form1::entryEditorDate() const {
    return form3_->Lbl登録日付->text();
}
void Form1::setEntryEditorDate(const QString& date) {
    form3_->Lbl登録日付->setText(date);
}
int Form1::entryRows() const {
    return Flx明細->rows();
}
int Form1::entryRow() const {
    return Flx明細->row();
}
QString Form1::entryCell(int row, int col) const {
    return Flx明細->textMatrix(row, col);
}
qint64 Form1::entryNumber(int row, int col) const {
    return Flx明細->number(row, col).value_or(0);
}
void Form1::setEntryCurrent(int row, int col) {
    Flx明細->setRow(row);
    Flx明細->setCol(col);
}
qint64 Form1::entryId(int row) const {
    return Flx明細->rowKey(row, 0);
}
qint64 Form1::entryCategoryId(int row) const {
    return Flx明細->rowKey(row, 1);
}
int Form1::summaryRows() const {
    return FLx科目->rows();
}
int Form1::summaryRow() const {
    return FLx科目->row();
}
QString Form1::summaryCell(int row, int col) const {
    return FLx科目->textMatrix(row, col);
}
qint64 Form1::summaryNumber(int row, int col) const {
    return FLx科目->number(row, col).value_or(0);
}
qint64 Form1::summaryCategoryId(int row) const {
    return row >= 1 && row <= 科目IDs.size() ? 科目IDs[row - 1].toLongLong() : 0;
}
QStringList Form1::commentPhrases() const {
    QStringList out;
    for (int i = 0; i < Cmb登録コメント->count(); ++i)
        out << Cmb登録コメント->itemText(i);
    return out;
}
void Form1::reloadAll() {
    guarded([this] { SubDB読み込み(Dat期間開始, Dat期間終了); });
}
void Form1::reloadCategories() {
    guarded([this] { Sub科目読み込み(Dat期間開始, Dat期間終了); });
}
void Form1::reloadEntries() {
    guarded([this] { Sub明細読み込み(Dat期間開始, Dat期間終了); });
}
void Form1::reloadComments() {
    guarded([this] { Subコメント読み込み(); });
}

} // namespace kotsu
