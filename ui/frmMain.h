// The main window: both people's entries, the reading command, links and menus.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <array>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace amorist {

class LinkLabel;
class Windows;
struct RequestResult;

class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Windows& windows);

    // The two promotion offers share one place on the bottom bar.
    enum class Offer { CoBrand, FullBrand };
    // Brings one offer to the front and hides the other. An offer is built
    // the first time it is brought up, since a run only ever shows one.
    void ShowOffer(Offer offer);

public slots:
    void cmdCompatibilityWithFriend_Click();
    void cmdExit_Click();

    void mnuGeCompatibilityWithFriend_Click();
    void mnuExit_Click();

    void Label61_Click();
    void Label2_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // One entry group: a name box and the day, month and year lists.
    struct EntryGroup {
        QGroupBox* group;
        QLineEdit* name;
        QComboBox* day;
        QComboBox* month;
        QComboBox* year;
    };

    void BuildBanner(QWidget* client);
    void BuildEntryArea(QWidget* client);
    EntryGroup BuildEntryGroup(QWidget* area, const char* groupName, const QString& caption,
                               int top, int height, bool partner);
    void BuildBottomBar(QWidget* client);
    LinkLabel* BuildOffer(Offer offer);
    void BuildMenus();
    void Form_Load();

    // The name boxes' key filter: true when the key is used up here.
    bool txtName_KeyPress(QKeyEvent* key);
    bool txtFriendName_KeyPress(QKeyEvent* key);
    bool FilterNameKey(QLineEdit* box, QKeyEvent* key);

    bool ValidateBirthData();
    // The reading card for the result window's picture commands.
    QByteArray ReadingCard(const RequestResult& result, const QString& name,
                           const QString& partnerName);

    Windows& windows_;
    const qreal smallestPoints_;  // where wrapped texts stop shrinking

    LinkLabel* Label61 = nullptr;
    LinkLabel* Label2 = nullptr;
    QGroupBox* fraFriendshipCompatibility = nullptr;
    QLabel* Label13 = nullptr;

    QLineEdit* txtName = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QComboBox* cboFriendDate = nullptr;
    QComboBox* cboFriendMonth = nullptr;
    QComboBox* cboFriendYear = nullptr;

    QPushButton* cmdCompatibilityWithFriend = nullptr;
    QPushButton* cmdExit = nullptr;
    QFrame* bottomBar_ = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;

    QAction* mnuGeCompatibilityWithFriend = nullptr;
    QAction* mnuExit = nullptr;

    // The swatch pictures of the readings; picture n is IMG[n - 1].
    std::array<QPixmap, 12> IMG;
};

}  // namespace amorist
