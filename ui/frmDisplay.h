// The result window: both people, their four signs and the two readings.
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QPrinter;
class QPushButton;

namespace amorist {

struct Category;
class LinkLabel;
class Windows;

class frmDisplay final : public QMainWindow {
    Q_OBJECT
public:
    explicit frmDisplay(Windows& windows);

    struct Person {
        QString name;
        QString dateOfBirth;  // in the language's own form, e.g. 7/March/1975
    };
    struct Signs {
        QString mars;
        QString venus;
    };
    // Reading One pairs your Mars sign with your partner's Venus sign, Two
    // your Venus sign with your partner's Mars sign.
    enum class Reading { One, Two };

    // The values a request writes. A missing swatch or category leaves the
    // reading's picture or texts as they are.
    void ShowPeople(const Person& you, const Person& partner);
    void ShowSigns(const Signs& you, const Signs& partner);
    void ShowReading(Reading reading, const QPixmap* swatch, const Category* category);
    // The reading card's SVG, which Save Picture and Copy Picture draw.
    void ShowCard(const QByteArray& svg);

    // The card as SVG when path ends in .svg, else as PNG. A failure says so
    // in a message box and leaves no file behind; false then.
    bool SavePicture(const QString& path);
    // The whole reading, as this window shows it, on one page.
    void Print(QPrinter& printer) const;

public slots:
    void cmdBack_Click();
    void cmdExit_Click();

    void mnuFileBack_Click();
    void mnuSavePicture_Click();
    void mnuCopyPicture_Click();
    void mnuPrint_Click();
    void mnuExit_Click();

    void Label61_Click();
    void Label1_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The controls that show one reading.
    struct ReadingControls {
        QLabel* picColor;
        QLabel* lblColorName;
        QLabel* lblkeywords;
        QLabel* lblCompatibility;
    };
    ReadingControls ControlsOf(Reading reading) const;

    void BuildBanner(QWidget* client);
    void BuildPersonalDetails(QWidget* client);
    void BuildReadings(QWidget* client);
    void BuildBottomBar(QWidget* client);
    void BuildMenus();

    Windows& windows_;
    const qreal smallestPoints_;  // where wrapped texts stop shrinking

    LinkLabel* Label61 = nullptr;
    LinkLabel* Label1 = nullptr;
    QLabel* lblYourName = nullptr;
    QLabel* lblYourDateofBirth = nullptr;
    QLabel* lblYourPartnerName = nullptr;
    QLabel* lblYourPartnerDateofBirth = nullptr;

    QLabel* lblYourMarsSign = nullptr;
    QLabel* lblYourPartnerVenusSign = nullptr;
    QLabel* lblYourVenusSign = nullptr;
    QLabel* lblYourPartnersMarsSign = nullptr;
    QLabel* picColorOne = nullptr;
    QLabel* lblColorNameOne = nullptr;
    QLabel* lblkeywordsOne = nullptr;
    QLabel* lblCompatibilityOne = nullptr;
    QLabel* picColorTwo = nullptr;
    QLabel* lblColorNameTwo = nullptr;
    QLabel* lblkeywordsTwo = nullptr;
    QLabel* lblCompatibilityTwo = nullptr;

    QPushButton* cmdExit = nullptr;
    QPushButton* cmdBack = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;

    QAction* mnuFileBack = nullptr;
    QAction* mnuSavePicture = nullptr;
    QAction* mnuCopyPicture = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuExit = nullptr;

    QByteArray cardSvg_;
};

}  // namespace amorist
