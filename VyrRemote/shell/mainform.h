#pragma once

#include "database.h"
#include "device.h"

#include <QList>
#include <QPointer>
#include <QThread>
#include <QWidget>

#include <optional>

class IRetranslatable;
class MainMenu;
class QMessageBox;
class QPushButton;
class QTranslator;
class vyrupDialog;

namespace Ui {
class MainForm;
}

// The one top-level window of VyrRemote: connection panel, device
// information, port status panels, test selector and the form area.
//
// Threads. The window owns Device and the worker thread Device runs in.
// Every request to Device goes through a queued connection; Device answers
// with signals, queued back here. The GUI thread reads Device only through
// its getters, which hand out copies. The destructor quits and waits for the
// worker before Device is destroyed.
class MainForm : public QWidget
{
    Q_OBJECT
public:
    // Positions in testButtons and formList: button i opens form i.
    enum FormIndex {
        FormRfc, FormMulti, FormCable, FormLoopback, FormTcpIp, FormTestTab,
        FormJitter, FormBert, FormOam, FormPass, FormPtp, FormIfset, FormStats,
        FormFTransfer, FormOptTest, FormMdi, FormY1564, FormDevSettings, FormScaleAdj,
        FormCount
    };

    explicit MainForm(QWidget *parent = nullptr);
    ~MainForm() override;

    // Command-line operations, called by the start-up before the window shows.
    void showFpgaBox();
    void enterUpdateMode();
    // Puts the address (with an optional ":port") into the field as given;
    // one that is no address is told in the connection panel at once, and
    // Connect refuses it.
    void setIpFromCommandLine(const QString &address);
    bool checkUser(const QString &login, const QString &password);
    bool databaseIsOpen() const;

    // The four-line device text of the information label.
    static QString deviceInfoText(const get_device_info_resp_t &info);
    // The warning shown when the tester's release is not the one this
    // program is built for; empty when there is nothing to warn about.
    static QString releaseWarningText(const get_device_info_resp_t &info);
    // The window style sheet that applies font f.
    static QString fontStyleSheet(const QFont &f);

    // What the window says when a link ends without the operator asking:
    // the notice (address, time, the tests that were running and what
    // became of their results, or why a connect failed) and the two lines
    // the connection panel keeps until the next connect.
    static QString linkNoticeText(const LinkFailure &failure);
    static QString linkStateText(const LinkFailure &failure);
    // Why a target text is no address to connect to ("Not a valid address:
    // ..."); empty for a target without fault.
    static QString addressFaultText(TCPStream::TargetFault fault, const QString &target);
    // "Port A: Traffic test; Port B: Traffic test" from the process words
    // of a status record (Port B only on a two-port tester); empty when no
    // test runs.
    static QString runningTestsText(const get_device_status_resp_t &status, int ports);

    // Read-only access for the start-up code and the tests.
    Device *getDevice() { return &device; }
    bool isUpdateMode() const { return updateMode; }
    QList<QPushButton *> selectorButtons() const { return testButtons; }
    // The hosted forms, in selector order; null where a form is not built.
    QList<IRetranslatable *> forms() const { return formList; }

signals:
    void connectBySerial(QString portName);
    void connectByTCPIP(QString portName);
    void readFpgaValue(uint address);
    void writeFpgaValue(uint address, uchar value);
    void disableApply();

public slots:
    void fpgaValueReaded(uchar value);
    void vyr_conn();
    void vyr_disc();
    void change_font(QFont font);
    void fileSaveErrorMsg(uchar error);
    void openReportFilesForm();
    void reportLoaded(port_t port, int test);
    void closeUpdate();
    void closeRemote();
    void startTestError(error_t error);
    // The link ended without the operator asking: says so in the connection
    // panel and in a notice that does not block the window.
    void linkFailed(LinkFailure failure);
    void updateDeviceInfo();
    void updateDeviceInfoText();
    void updateDeviceStatus();
    void bSerConnectClicked();
    void bEthConnectClicked();
    void bTestClicked();
    void bProcAClicked();
    void bProcBClicked();
    void bReadClicked();
    void bWriteClicked();
    void bEngClicked();
    void bDeuClicked();
    void bRusClicked();
    void bRefreshPortsClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    // Room for the widest text each port cell and the FPGA box show, in the
    // window's font of the moment (the font dialog may enlarge it).
    void fitPanels();
    void hideAllForms();
    void uncheckTestButtons();
    void retranslateAll();
    void updateWindowTitle();
    void checkReleaseVersion();
    void createForms();
    // Enables a selector button only when its form exists.
    void setSelectorEnabled(QPushButton *button, bool enabled);
    IRetranslatable *formOf(QPushButton *button) const;
    void showPortLink(int port, const port_link_t &link);
    void showRxIndicator(int port, quint32 rxProcess);
    void showTxIndicator(int port, quint32 txProcess);
    void showPortProcess(int port, quint32 txProcess, quint32 rxProcess, quint8 level, quint8 alarm);
    void showTopology(int port, quint8 topology);
    // The connection panel's line for the last link failure, if any.
    void showLinkState();
    void forgetLinkFailure();

    Ui::MainForm *ui;
    QTranslator *qtTranslatorDe = nullptr;
    QTranslator *qtTranslatorRu = nullptr;
    QTranslator *translatorDe = nullptr;
    QTranslator *translatorRu = nullptr;
    MainMenu *menu = nullptr;
    Device device;
    QThread thread;
    bool updateMode = false;
    // Selector button by test id 0-19.
    QList<QPushButton *> buttonsByTest;
    // FormCount entries each, same order. A form not built into this program
    // is a null entry; its button stays disabled.
    QList<QPushButton *> testButtons;
    QList<IRetranslatable *> formList;
    vyrupDialog *updateDialog = nullptr;
    DataBase database;
    bool ipFromCommandLine = false;
    // The last link that ended without the operator asking; kept until the
    // next connect, so the panel tells it also after a language switch.
    std::optional<LinkFailure> lastLinkFailure;
    // Non-modal, one for the window, reused for each failure.
    QPointer<QMessageBox> linkNotice;
};
