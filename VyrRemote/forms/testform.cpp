#include "testform.h"

#include "device.h"
#include "filenamedialog.h"
#include "headerwidget.h"
#include "widgethelpers.h"

#include <QDebug>
#include <QEvent>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>

TestForm::TestForm(Device *device, TestInfo *testInfo, QWidget *parent)
    : IRetranslatable(parent)
    , device(device)
    , testInfo(testInfo)
{
    const auto q = Qt::QueuedConnection;
    connect(device, &Device::currentprocessChanged, this, &TestForm::currentProcessChanged, q);
    connect(device, &Device::deviceStatusUpdated, this, &TestForm::deviceStatusUpdated, q);
    connect(this, &TestForm::startTest, device, &Device::startTest, q);
    connect(this, &TestForm::stopTest, device, &Device::stopTest, q);
    connect(this, &TestForm::receiveSettings, testInfo, &TestInfo::receiveSettings, q);
    connect(this, &TestForm::sendSettings, testInfo, &TestInfo::sendSettings, q);
    connect(this, &TestForm::receiveResults, testInfo, &TestInfo::receiveResults, q);
    connect(testInfo, &TestInfo::settingsReceived, this, &TestForm::settingsReceived, q);
    connect(testInfo, &TestInfo::resultsReceived, this, &TestForm::resultsReceived, q);
    connect(this, &TestForm::loadDefaultSettings, testInfo, &TestInfo::loadDefaultSettings, q);
    connect(this, &TestForm::saveReportToFile, device, &Device::saveReportToFile, q);
    // The link is gone and TestInfo has dropped its records: so does the form.
    connect(device, &Device::disconnected, this, &TestForm::dropSettings, q);
    // Fields return to their colours once the settings have really been
    // handed over (Apply or a start), not on a click that applied nothing.
    connect(this, &TestForm::settingsApplied, this, &TestForm::gotApplied);
}

QString TestForm::testName(int testId)
{
    switch (testId) {
    case TestTraffic: return tr("Traffic test");
    case TestRfc2544: return tr("RFC 2544 test");
    case TestY1564: return tr("Y1564 test");
    case TestMultistream: return tr("Multistream test");
    case TestJitter: return tr("Jitter test");
    case TestPtp: return tr("PTP test");
    case TestPing: return tr("Ping test");
    case TestTraceRoute: return tr("Trace test");
    case TestDns: return tr("DNS test");
    case TestIpScanner: return tr("IP scanner test");
    case TestCable: return tr("Cable test");
    case TestOam: return QStringLiteral("OAM");
    case TestMdi: return tr("MDI test");
    case TestAsymTraffic: return tr("Asymmetric traffic test");
    case TestSync: return tr("Synchronization");
    case TestBert: return tr("BERT test");
    case TestLoopback: return tr("Loopback");
    default: return QStringLiteral("Unknown Test");
    }
}

int TestForm::getTestId() const
{
    return testInfo->getTestId();
}

port_t TestForm::currentPort() const
{
    return device->getCurrentProcess();
}

void TestForm::initGui(QPushButton *bStartXX, QPushButton *bStartXY, QPushButton *bStop,
                       QPushButton *bApply, QPushButton *bReset, QGroupBox *frame,
                       QPushButton *bDefault, QPushButton *bSaveReport)
{
    this->bStartXX = bStartXX;
    this->bStartXY = bStartXY;
    this->bStop = bStop;
    this->bApply = bApply;
    this->bReset = bReset;
    this->frame = frame;
    this->bDefault = bDefault;
    this->bSaveReport = bSaveReport;
    // Nothing is edited before the first fill.
    edited = false;
    disableApply();

    const struct {
        QPushButton *button;
        void (TestForm::*slot)();
    } buttons[] = {
        {bStartXX, &TestForm::bStartXXClicked}, {bStartXY, &TestForm::bStartXYClicked},
        {bStop, &TestForm::bStopClicked},       {bApply, &TestForm::bApplyClicked},
        {bReset, &TestForm::bResetClicked},     {bDefault, &TestForm::bDefaultClicked},
        {bSaveReport, &TestForm::bSaveReportClicked},
    };
    for (const auto &b : buttons) {
        if (b.button)
            connect(b.button, &QPushButton::clicked, this, b.slot);
    }
}

// ---- edits and Apply ----------------------------------------------------------

void TestForm::enableApply()
{
    edited = true;
    if (bApply)
        bApply->setEnabled(true);
}

void TestForm::disableApply()
{
    if (bApply)
        bApply->setEnabled(false);
}

void TestForm::gotApplied()
{
    edited = false;
    disableApply();
}

void TestForm::markField(bool differs)
{
    if (differs)
        enableApply();
}

void TestForm::connectHeader(HeaderWidget *header)
{
    if (!header)
        return;
    connect(header, &HeaderWidget::enableApply, this, &TestForm::enableApply);
    connect(this, &TestForm::settingsApplied, header, &HeaderWidget::gotApplied);
}

// ---- the form's copy of the settings record ---------------------------------

const QByteArray *TestForm::heldSettings() const
{
    // A copy taken for the other port is no record of this one (the port
    // may have switched before the change notice arrived).
    if (!m_settings || m_settingsPort != currentPort())
        return nullptr;
    return &*m_settings;
}

bool TestForm::hasSettings() const
{
    return heldSettings() != nullptr;
}

void TestForm::storeSettingsBytes(const QByteArray &bytes)
{
    if (heldSettings() && m_settings->size() == bytes.size())
        m_settings = bytes;
}

void TestForm::takeSettingsFromTestInfo()
{
    const port_t p = currentPort();
    m_settings = testInfo->getSettings(p);
    m_settingsPort = p;
}

void TestForm::dropSettings()
{
    m_settings.reset();
}

// ---- visibility gate and refresh --------------------------------------------

void TestForm::activate()
{
    show();
    setTitles();
    fillFormFromAll();
    setButtonsEnabled();
}

void TestForm::currentProcessChanged(port_t)
{
    if (isHidden())
        return;
    setTitles();
    setButtonsEnabled();
    fillFormFromAll();
}

void TestForm::deviceStatusUpdated()
{
    if (!isHidden())
        setButtonsEnabled();
}

void TestForm::settingsReceived()
{
    if (isHidden())
        return;
    takeSettingsFromTestInfo();
    fillFormFromSettings();
}

void TestForm::resultsReceived()
{
    if (isHidden())
        return;
    fillFormFromResults();
    m_resultsDrawn = true;
}

void TestForm::changeEvent(QEvent *event)
{
    IRetranslatable::changeEvent(event);
    refitAfterFontChange(this, event, [this] { refitToFont(); });
}

void TestForm::refitToFont()
{
}

void TestForm::redrawResults()
{
    if (m_resultsDrawn)
        fillFormFromResults();
}

void TestForm::fillFormFromAll()
{
    if (isHidden())
        return;
    const port_t p = currentPort();
    takeSettingsFromTestInfo();
    if (m_settings) {
        fillFormFromSettings();
        setButtonsEnabled();
    } else {
        emit receiveSettings(p);
    }
    // Results are asked for again on every activation.
    emit receiveResults(p);
}

void TestForm::fillFormFromSettings() {}
void TestForm::fillFormFromResults() {}
void TestForm::fillSettingsFromForm() {}

bool TestForm::canStartXX()
{
    return true;
}

bool TestForm::canWriteSettings()
{
    return true;
}

// ---- titles and buttons -----------------------------------------------------

void TestForm::setTitles()
{
    if (!frame)
        return;
    const bool portA = currentPort() == PortA;
    frame->setTitle(QStringLiteral("%1 (%2)").arg(testName(getTestId()), portA ? tr("Port A") : tr("Port B")));
    if (!bStartXY)
        return;
    if (bStartXX)
        bStartXX->setText(portA ? tr("Start A->A") : tr("Start B->B"));
    bStartXY->setText(portA ? tr("Start A->B") : tr("Start B->A"));
}

bool TestForm::portIdle(const get_device_status_resp_t &status, port_t port) const
{
    if (port > PortB)
        return false;
    return status.process[port].tx == 0 && status.process[port].rx == 0;
}

void TestForm::setButtonsEnabled()
{
    const port_t p = currentPort();
    const port_t q = p == PortA ? PortB : PortA;
    const get_device_status_resp_t status = device->getDeviceStatus();
    const bool idle = portIdle(status, p);
    const bool running = device->testInProcess(p, uchar(getTestId()));

    if (bStartXX)
        bStartXX->setEnabled(idle);
    if (bStartXY) {
        if (device->getPortsCount() == 1) {
            bStartXY->hide();
        } else {
            bStartXY->show();
            bStartXY->setEnabled(idle && portIdle(status, q));
        }
    }
    if (bStop)
        bStop->setEnabled(running);
    if (bApply)
        bApply->setEnabled(!running && edited);
    if (bReset)
        bReset->setEnabled(!running);
    if (bSaveReport)
        bSaveReport->setEnabled(idle && testInfo->getResults(p).has_value());
}

// ---- button sequences -------------------------------------------------------

bool TestForm::holdsSettingsRecord() const
{
    return testInfo->settingsSize() == 0 || (hasSettings() && testInfo->getSettings(currentPort()));
}

bool TestForm::startsWithTesterSettings(uchar) const
{
    return false;
}

void TestForm::tellSettingsNotRead(QWidget *parent, bool startRefused)
{
    const QString text = startRefused
                             ? tr("The settings of this test have not been read from the tester, "
                                  "so nothing was sent and the test was not started.\nPress Reset to read them again; "
                                  "this replaces the values you changed with the tester's.")
                             : tr("The settings of this test have not been read from the tester, "
                                  "so nothing was sent.\nPress Reset to read them again; "
                                  "this replaces the values you changed with the tester's.");
    QMessageBox::warning(parent, tr("Error"), text, QMessageBox::Ok);
}

bool TestForm::applySettings()
{
    const port_t p = currentPort();
    if (testInfo->settingsSize() == 0) {
        // A test without a settings record: nothing to hand over.
        edited = false;
        setButtonsEnabled();
        emit settingsApplied();
        return true;
    }
    if (!holdsSettingsRecord()) {
        // Without the tester's record there is nothing to write the edits
        // into; the edits stay marked so that the operator can try again.
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "no settings record of port" << p
                 << "for test" << getTestId() << ": nothing applied";
        refuseWithoutRecord(false);
        return false;
    }
    if (!canWriteSettings())
        return false;
    edited = false;
    fillSettingsFromForm();
    setButtonsEnabled();
    emit sendSettings(p, *heldSettings());
    emit settingsApplied();
    return true;
}

void TestForm::startWithoutRecord(uchar topology)
{
    const port_t p = currentPort();
    const bool linkUp = device->getConnectionType() != RemoteControl::NoConnection;
    // Not over the operator's edits: the record read back after such a start
    // would overwrite them without a word. Refused as an Apply is, the edits
    // stay for the operator to decide.
    if (linkUp && startsWithTesterSettings(topology) && !edited) {
        // Nothing of the form goes out: its fields were never compared with
        // a record. TestInfo reads the record before the results when it
        // holds none, so the form then shows what the test runs with.
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "test" << getTestId() << "on port" << p
                 << "starts with the tester's own settings";
        emit startTest(uchar(getTestId()), topology);
        emit receiveResults(p);
        return;
    }
    qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "no settings record of port" << p << "for test"
             << getTestId() << ": not started";
    refuseWithoutRecord(true);
}

void TestForm::refuseWithoutRecord(bool startRefused)
{
    if (bApply && edited)
        bApply->setEnabled(true);
    tellSettingsNotRead(this, startRefused);
}

void TestForm::bApplyClicked()
{
    m_lastApplyOk = applySettings();
}

void TestForm::bStartXXClicked()
{
    if (getTestId() == TestDns && !canStartXX()) {
        QMessageBox::warning(this, tr("Wrong settings for DNS test"),
                             tr("Cannot run the test: the DNS name is empty"), QMessageBox::Ok);
        return;
    }
    if (!holdsSettingsRecord()) {
        startWithoutRecord(TopologySamePort);
        return;
    }
    bApplyClicked();
    if (!m_lastApplyOk)
        return;
    if (canStartXX()) {
        emit startTest(uchar(getTestId()), TopologySamePort);
        emit receiveResults(currentPort());
        return;
    }
    const QString topology = currentPort() == PortB ? QStringLiteral("B->B") : QStringLiteral("A->A");
    QMessageBox::critical(this, tr("Error"),
                          tr("Cannot start the test for topology %1,\nbecause \"Auto IP destination\" is set.")
                              .arg(topology),
                          QMessageBox::Ok);
}

void TestForm::bStartXYClicked()
{
    if (!holdsSettingsRecord()) {
        startWithoutRecord(TopologyToOtherPort);
        return;
    }
    bApplyClicked();
    if (!m_lastApplyOk)
        return;
    edited = false;
    emit startTest(uchar(getTestId()), TopologyToOtherPort);
    emit receiveResults(currentPort());
}

void TestForm::bStopClicked()
{
    emit stopTest(uchar(getTestId()));
}

void TestForm::bResetClicked()
{
    emit receiveSettings(currentPort());
}

void TestForm::bDefaultClicked()
{
    emit loadDefaultSettings(currentPort());
}

void TestForm::bSaveReportClicked()
{
    FileNameDialog dialog(device, uint(getTestId()), nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = dialog.fileName().trimmed();
    if (!name.isEmpty())
        emit saveReportToFile(currentPort(), uchar(getTestId()), name);
}
