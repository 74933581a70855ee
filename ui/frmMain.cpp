#include "ui/frmMain.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <limits>
#include <optional>
#include <string>

#include "app/modHelp.h"
#include "core/compatibility/birth_data_check.h"
#include "core/compatibility/name_filter.h"
#include "core/ephemeris/zodiac.h"
#include "reading/card.h"
#include "reading/language.h"
#include "ui/frmDisplay.h"
#include "ui/link_label.h"
#include "ui/look.h"
#include "ui/promotions.h"
#include "ui/window_frame.h"
#include "ui/windows.h"

namespace amorist {

namespace {

using namespace look;

constexpr QSize kClientSize(524, 456);

// What a key typed into a name box does: pass to the box, type these
// capitals instead, or be refused.
struct NameKey {
    enum { Pass, TypeCapitals, Refuse } action;
    QString capitals;
};

// Letters go in as capitals; Backspace, Enter and space pass; anything else
// that types a character is refused, control characters (Ctrl+V's 22,
// Ctrl+C's 3) included, so Ctrl+V pastes nothing.
NameKey ClassifyNameKey(const QKeyEvent& key) {
    switch (key.key()) {
        // These report text ("\t", "\x1b", on some systems "\x7f") but type
        // nothing: they move the focus, leave the window or delete.
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            return {NameKey::Pass, {}};
        default:
            break;
    }
    const QString text = key.text();
    if (text.isEmpty() || text == QLatin1String("\b") || text == QLatin1String("\r"))
        return {NameKey::Pass, {}};
    const FilteredName filtered = FilterName(text.toStdString(), kLatinNameAlphabet);
    if (filtered.refused)
        return {NameKey::Refuse, {}};
    const QString capitals = QString::fromStdString(filtered.kept);
    if (capitals == text)
        return {NameKey::Pass, {}};
    return {NameKey::TypeCapitals, capitals};
}

// On Linux, Qt names a list after its current item and leaves the purpose to
// a caption linked to it; our captions ("Date" over three lists) cannot say
// whose entry a list is. So a list given a name says both, as "Your day of
// birth: 7", and a screen reader hears the new pair when the item changes.
class NamedListAccessible final : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            //: A list's spoken name: %1 what it holds ("Your day of birth"), %2 its item
            return frmMain::tr("%1: %2").arg(List()->accessibleName(), List()->currentText());
        if (kind == QAccessible::Value)
            return List()->currentText();
        return QAccessibleWidget::text(kind);
    }

    // The item list, as a screen reader expects to find it under a list.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == List()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (List()->view()->isVisible()) {
            List()->hidePopup();
        } else {
            List()->showPopup();
        }
    }

private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* NamedListFactory(const QString&, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    if (list == nullptr || list->accessibleName().isEmpty())
        return nullptr;
    return new NamedListAccessible(list);
}

// Names a list before it is first shown, so screen readers meet it named.
void NameList(QComboBox* list, const QString& name) {
    static const bool installed = [] {
        QAccessible::installFactory(NamedListFactory);
        return true;
    }();
    static_cast<void>(installed);
    list->setAccessibleName(name);
    // A description Qt made before the list had its name goes; the next one names it.
    QAccessibleInterface* described = QAccessible::queryAccessibleInterface(list);
    if (described != nullptr && dynamic_cast<NamedListAccessible*>(described) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(described));
}

void FillList(QComboBox* list, int first, int last) {
    for (int value = first; value <= last; ++value)
        list->addItem(QString::number(value));
}

// The month goes in by its place in the list: the lookups take the English
// name whatever language the list shows.
BirthData ReadBirthData(const QLineEdit* name, const QComboBox* day, const QComboBox* month,
                        const QComboBox* year) {
    const int index = month->currentIndex();
    const std::string_view monthName = index >= 0 && index < static_cast<int>(kMonthNames.size())
                                           ? kMonthNames[static_cast<std::size_t>(index)]
                                           : std::string_view();
    return {name->text().toStdString(), day->currentText().toStdString(), std::string(monthName),
            year->currentText().toStdString()};
}

}  // namespace

frmMain::frmMain(Windows& windows)
    : windows_(windows), smallestPoints_(SmallestPoints(windows.session().language())) {
    setObjectName(QStringLiteral("frmMain"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    Fill(client, colour::kMainWindow, colour::kPeriwinkle);

    BuildBanner(client);
    BuildEntryArea(client);
    BuildBottomBar(client);
    BuildMenus();
    SetUpWindow(this, client, kClientSize);

    QWidget* const tabOrder[] = {txtName,        cboDate,       cboMonth,
                                 cboYear,        txtFriendName, cboFriendDate,
                                 cboFriendMonth, cboFriendYear, cmdCompatibilityWithFriend,
                                 cmdExit};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
    WatchFocusableKeys(this, this);
    txtName->setFocus();
    Form_Load();
}

void frmMain::BuildBanner(QWidget* client) {
    QFrame* banner = MakeRegion(client, Twips(0, 0, 7860, 615), colour::kDarkBlue);
    Label61 = new LinkLabel("Label61", BannerText(), banner);
    StyleLabel(Label61, {colour::kPink, 9, true, true});
    WrapInBox(Label61, Twips(120, 135, 7680, 585), Qt::AlignHCenter, smallestPoints_);
    connect(Label61, &LinkLabel::clicked, this, &frmMain::Label61_Click);

    Label2 = new LinkLabel(
        "Label2",
        tr("Venus and Mars signs are opposite in nature and represent yin - yang planets. Knowing "
           "the Venus - Mars compatibility between people will help you understand your "
           "relationship better. Take the Amorist test to know how electric or dull your "
           "relationship is!"),
        client);
    StyleLabel(Label2, {colour::kPeriwinkle, 8.25, false, false});
    WrapInBox(Label2, Twips(0, 600, 7815, 855), Qt::AlignHCenter, smallestPoints_);
    connect(Label2, &LinkLabel::clicked, this, &frmMain::Label2_Click);
}

void frmMain::BuildEntryArea(QWidget* client) {
    fraFriendshipCompatibility =
        MakeGroup(client, "fraFriendshipCompatibility", tr("Romantic Compatibility"),
                  Twips(0, 1440, 7860, 4575), colour::kDarkBlue, {colour::kPeriwinkle, 9.75, true});
    Label13 = MakeCaption(fraFriendshipCompatibility, "Label13",
                          tr("Take the test now and understand your romance better! "),
                          {Pixels(1080), Pixels(360)}, {colour::kPeriwinkle, 8.25, true});

    const EntryGroup you = BuildEntryGroup(fraFriendshipCompatibility, "fraYourDetails",
                                           tr("Enter Your Details"), 720, 1335, /*partner=*/false);
    txtName = you.name;
    cboDate = you.day;
    cboMonth = you.month;
    cboYear = you.year;
    const EntryGroup partner =
        BuildEntryGroup(fraFriendshipCompatibility, "fraPartnerDetails",
                        tr("Enter Your Partner's Details"), 2160, 1455, true);
    txtFriendName = partner.name;
    cboFriendDate = partner.day;
    cboFriendMonth = partner.month;
    cboFriendYear = partner.year;

    cmdCompatibilityWithFriend =
        MakeButton(fraFriendshipCompatibility, "cmdCompatibilityWithFriend",
                   tr("Get Our &Romantic Compatibility Reading"), Twips(840, 3720, 6015, 615), 9);
    cmdCompatibilityWithFriend->setAccessibleName(tr("Get our romantic compatibility reading"));
    connect(cmdCompatibilityWithFriend, &QPushButton::clicked, this,
            &frmMain::cmdCompatibilityWithFriend_Click);
}

frmMain::EntryGroup frmMain::BuildEntryGroup(QWidget* area, const char* groupName,
                                             const QString& caption, int top, int height,
                                             bool partner) {
    // The partner's group has the same columns, every row 120 twips lower.
    const int shift = partner ? 120 : 0;
    const TextStyle field{colour::kBlack, 8.25, true, true};
    const TextStyle columnHead{colour::kBlack, 8.25, false, true};

    EntryGroup entries{};
    entries.group = MakeGroup(area, groupName, caption, Twips(840, top, 6015, height),
                              colour::kPeriwinkle, {colour::kBlack, 8.25, true});
    QGroupBox* group = entries.group;
    // Unnamed, a group inside another group is read out with the outer title.
    group->setAccessibleName(caption);
    const auto at = [shift](int left, int rowTop) {
        return QPoint(Pixels(left), Pixels(rowTop + shift));
    };
    MakeCaption(group, partner ? "lblFriendName" : "lblName", tr("Name"), at(240, 330), field);
    MakeCaption(group, partner ? "lblFriendDOB" : "lblDOB",
                partner ? tr("Partner's DOB") : tr("Date Of Birth"), at(240, 900), field);
    MakeCaption(group, partner ? "lblFriendDate" : "lblDate", tr("Date"), at(2040, 600),
                columnHead);
    MakeCaption(group, partner ? "lblFriendMonth" : "lblMonth", tr("Month"), at(3360, 600),
                columnHead);
    MakeCaption(group, partner ? "lblFriendYear" : "lblYear", tr("Year"), at(4800, 600),
                columnHead);

    const QFont entryFont = Verdana(8.25, true);
    entries.name = new QLineEdit(group);
    entries.name->setObjectName(partner ? QStringLiteral("txtFriendName")
                                        : QStringLiteral("txtName"));
    entries.name->setGeometry(Twips(1800, 240 + shift, 3735, 375));
    // Dead keys and input methods would slip accented letters past the key filter.
    entries.name->setAttribute(Qt::WA_InputMethodEnabled, false);
    // A name has no length limit; QLineEdit would otherwise cut it at 32767.
    entries.name->setMaxLength(std::numeric_limits<int>::max());
    StyleEntry(entries.name, entryFont);

    // The captions stand apart from the entries (one "Date Of Birth" over
    // three lists), so each entry says whose it is and what it holds.
    entries.name->setAccessibleName(partner ? tr("Partner's name") : tr("Your name"));
    const auto makeList = [&](const char* name, const QString& spoken, int left, int width) {
        auto* list = new QComboBox(group);
        list->setObjectName(QLatin1String(name));
        NameList(list, spoken);
        list->setGeometry(Twips(left, 840 + shift, width, 315));
        StyleEntry(list, entryFont);
        return list;
    };
    entries.day =
        makeList(partner ? "cboFriendDate" : "cboDate",
                 partner ? tr("Partner's day of birth") : tr("Your day of birth"), 1800, 900);
    entries.month =
        makeList(partner ? "cboFriendMonth" : "cboMonth",
                 partner ? tr("Partner's month of birth") : tr("Your month of birth"), 2880, 1500);
    entries.year =
        makeList(partner ? "cboFriendYear" : "cboYear",
                 partner ? tr("Partner's year of birth") : tr("Your year of birth"), 4560, 1020);
    return entries;
}

void frmMain::BuildBottomBar(QWidget* client) {
    bottomBar_ = MakeRegion(client, Twips(0, 6000, 7860, 855), colour::kDarkBlue);
    cmdExit = MakeButton(bottomBar_, "cmdExit", tr("&Exit"), Twips(6480, 240, 1260, 465), 8.25);
    cmdExit->setAccessibleName(tr("Exit"));
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
}

LinkLabel* frmMain::BuildOffer(Offer offer) {
    const bool coBrand = offer == Offer::CoBrand;
    auto* label = new LinkLabel(coBrand ? "lblCobrand" : "lblFullBrand",
                                coBrand ? CoBrandText() : FullBrandText(), bottomBar_);
    StyleLabel(label, {colour::kPink, 8.25, true, true});
    Fill(label, colour::kDarkBlue, colour::kPink);
    WrapInBox(label, coBrand ? Twips(120, 160, 6105, 615) : Twips(120, 165, 6105, 615),
              Qt::AlignLeft, smallestPoints_);
    connect(label, &LinkLabel::clicked, this,
            coBrand ? &frmMain::lblCobrand_Click : &frmMain::lblFullBrand_Click);
    return label;
}

void frmMain::ShowOffer(Offer offer) {
    LinkLabel*& front = offer == Offer::CoBrand ? lblCobrand : lblFullBrand;
    LinkLabel* behind = offer == Offer::CoBrand ? lblFullBrand : lblCobrand;
    if (front == nullptr)
        front = BuildOffer(offer);
    // Hidden rather than only covered, so it neither shows through nor takes
    // clicks whatever the labels' backgrounds.
    if (behind != nullptr)
        behind->hide();
    front->show();
    front->raise();
}

void frmMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = AddMenu(bar, "mnuFile", tr("&File"));
    mnuGeCompatibilityWithFriend = AddEntry(file, "mnuGeCompatibilityWithFriend",
                                            tr("Get Our &Romantic Compatibility Reading"));
    mnuExit = AddEntry(file, "mnuExit", tr("E&xit"));

    AddHelpMenus(
        this, windows_.session().platform(),
        {tr("&Help"), tr("&Online Help"), tr("&Visit Us Online"), tr("Check for Software &Update"),
         tr("&About Software"), tr("&Donate"), tr("Make Money &Online"), "mnuHelp1", "mnuHelp2"});

    connect(mnuGeCompatibilityWithFriend, &QAction::triggered, this,
            &frmMain::mnuGeCompatibilityWithFriend_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
}

void frmMain::Form_Load() {
    for (QComboBox* day : {cboDate, cboFriendDate})
        FillList(day, 1, 31);
    for (QComboBox* month : {cboMonth, cboFriendMonth}) {
        for (std::string_view name : kMonthNames)
            month->addItem(Shown("zodiac", name));
    }
    for (QComboBox* year : {cboYear, cboFriendYear}) {
        FillList(year, kFirstTableYear, kLastTableYear);
    }
    for (QComboBox* list :
         {cboDate, cboMonth, cboYear, cboFriendDate, cboFriendMonth, cboFriendYear}) {
        list->setCurrentIndex(0);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (ActOnWindowKey(watched, event, cmdExit))
        return true;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == txtName)
            return txtName_KeyPress(key);
        if (watched == txtFriendName)
            return txtFriendName_KeyPress(key);
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    if (!ActOnWindowKey(nullptr, event, cmdExit))
        QMainWindow::keyPressEvent(event);
}

bool frmMain::txtName_KeyPress(QKeyEvent* key) {
    return FilterNameKey(txtName, key);
}

bool frmMain::txtFriendName_KeyPress(QKeyEvent* key) {
    return FilterNameKey(txtFriendName, key);
}

bool frmMain::FilterNameKey(QLineEdit* box, QKeyEvent* key) {
    const NameKey classified = ClassifyNameKey(*key);
    switch (classified.action) {
        case NameKey::Pass:
            return false;
        case NameKey::TypeCapitals:
            box->insert(classified.capitals);
            return true;
        case NameKey::Refuse:
            windows_.session().platform().ShowMessage(this, tr("Please Enter Only Letters !"),
                                                      MessageIcon::Information);
            return true;
    }
    return true;
}

bool frmMain::ValidateBirthData() {
    const std::string yourName = txtName->text().toStdString();
    const std::string partnerName = txtFriendName->text().toStdString();
    const std::optional<CheckFailure> failure = amorist::ValidateBirthData(
        {yourName, cboDate->currentIndex(), cboMonth->currentIndex(),
         cboYear->currentText().toInt()},
        {partnerName, cboFriendDate->currentIndex(), cboFriendMonth->currentIndex(),
         cboFriendYear->currentText().toInt()});
    if (!failure)
        return true;

    windows_.session().platform().ShowMessage(this, Shown("birth_data_check", failure->message),
                                              MessageIcon::Information);
    if (failure->focus == CheckFocus::YourName)
        txtName->setFocus();
    if (failure->focus == CheckFocus::PartnerName)
        txtFriendName->setFocus();
    return false;
}

QByteArray frmMain::ReadingCard(const RequestResult& result, const QString& name,
                                const QString& partnerName) {
    const ProgramState& core = windows_.session().core();
    const std::string you = name.toStdString();
    const std::string partner = partnerName.toStdString();
    const reading::CardContent content{you,
                                   partner,
                                   true,
                                   core.YourMarsSign,
                                   core.YourVenusSign,
                                   core.PartnerMarsSign,
                                   core.PartnerVenusSign,
                                   &result};
    const std::optional<reading::Language> language =
        reading::Language::Named(windows_.session().language().toStdString());
    return QByteArray::fromStdString(
        reading::CardSvg(content, language ? *language : reading::Language::English()));
}

void frmMain::cmdCompatibilityWithFriend_Click() {
    if (!ValidateBirthData())
        return;

    ProgramState& core = windows_.session().core();
    const RequestResult result = core.RunCompatibilityRequest(
        ReadBirthData(txtName, cboDate, cboMonth, cboYear),
        ReadBirthData(txtFriendName, cboFriendDate, cboFriendMonth, cboFriendYear));
    const auto swatchOf = [this](const ReadingResult& reading) -> const QPixmap* {
        if (!reading.number || *reading.number < 1 || *reading.number > 12)
            return nullptr;
        const auto index = static_cast<std::size_t>(*reading.number - 1);
        // Painted when a reading first needs it rather than while the window opens.
        if (IMG[index].isNull()) {
            const Rgb rgb = kSwatchColours[index];
            IMG[index] = Swatch(QColor(rgb.red, rgb.green, rgb.blue));
        }
        return &IMG[index];
    };

    frmDisplay& display = windows_.Display();
    // The dates as the core made them (7/March/1975), with the month in the program's language.
    display.ShowPeople({txtName->text(), ShownDate(cboDate->currentText(), cboMonth->currentIndex(),
                                                   cboYear->currentText())},
                       {txtFriendName->text(),
                        ShownDate(cboFriendDate->currentText(), cboFriendMonth->currentIndex(),
                                  cboFriendYear->currentText())});
    display.ShowReading(frmDisplay::Reading::One, swatchOf(result.one), result.one.category);
    display.ShowReading(frmDisplay::Reading::Two, swatchOf(result.two), result.two.category);
    display.ShowSigns(
        {Shown("zodiac", core.YourMarsSign), Shown("zodiac", core.YourVenusSign)},
        {Shown("zodiac", core.PartnerMarsSign), Shown("zodiac", core.PartnerVenusSign)});
    display.ShowCard(ReadingCard(result, txtName->text(), txtFriendName->text()));

    hide();
    ShowAlone(windows_, display);
}

void frmMain::cmdExit_Click() {
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    FollowExitRule(windows_, this);
}

void frmMain::mnuGeCompatibilityWithFriend_Click() {
    cmdCompatibilityWithFriend_Click();
}
void frmMain::mnuExit_Click() {
    cmdExit_Click();
}
void frmMain::Label61_Click() {
    OpenHomePage(windows_.session().platform());
}
void frmMain::Label2_Click() {
    OpenFullBrandPage(windows_.session().platform());
}
void frmMain::lblCobrand_Click() {
    OpenCoBrandPage(windows_.session().platform());
}
void frmMain::lblFullBrand_Click() {
    OpenFullBrandPage(windows_.session().platform());
}

}  // namespace amorist
