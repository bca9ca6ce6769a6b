#include "simremote.h"
#include "simtests.h"

#include "reportlayout.h"

#include <QtEndian>

#include <cstring>

namespace {

// Reads the request fields after the command byte, little-endian; `ok`
// turns false as soon as a field runs past the end.
class Fields
{
public:
    explicit Fields(const QByteArray &payload)
        : m_data(payload)
    {
    }

    quint8 u8()
    {
        if (!need(1))
            return 0;
        return quint8(m_data.at(m_pos++));
    }
    quint16 u16()
    {
        if (!need(2))
            return 0;
        const quint16 v = qFromLittleEndian<quint16>(m_data.constData() + m_pos);
        m_pos += 2;
        return v;
    }
    quint32 u32()
    {
        if (!need(4))
            return 0;
        const quint32 v = qFromLittleEndian<quint32>(m_data.constData() + m_pos);
        m_pos += 4;
        return v;
    }
    QByteArray bytes(int n)
    {
        if (!need(n))
            return QByteArray();
        const QByteArray v = m_data.mid(m_pos, n);
        m_pos += n;
        return v;
    }
    QByteArray rest()
    {
        const QByteArray v = m_data.mid(m_pos);
        m_pos = m_data.size();
        return v;
    }
    // name[21]: up to the first NUL, Latin-1.
    QString name()
    {
        const QByteArray field = bytes(SimRemoteResponder::NameSize);
        const int nul = field.indexOf('\0');
        return QString::fromLatin1(nul >= 0 ? field.left(nul) : field);
    }
    bool ok() const { return m_ok; }

private:
    bool need(int n)
    {
        if (m_pos + n > m_data.size())
            m_ok = false;
        return m_ok;
    }

    QByteArray m_data;
    int m_pos = 1;   // after the command byte
    bool m_ok = true;
};

QByteArray le32(quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray le16(quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}

template <class T>
QByteArray recordBytes(const T &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

QByteArray nameField(const QByteArray &text)
{
    QByteArray field = text.left(SimRemoteResponder::NameSize);
    field.append(QByteArray(SimRemoteResponder::NameSize - field.size(), '\0'));
    return field;
}

} // namespace

SimRemoteResponder::SimRemoteResponder(quint8 deviceType)
    : screen(ScreenWidth * ScreenHeight, 0)
{
    info = get_device_info_resp_t{};
    info.cpuVersion[0] = 2;
    info.cpuVersion[1] = 7;
    info.cpuVersion[2] = 13;
    info.fpgaVersion[0] = 1;
    info.fpgaVersion[1] = 4;
    info.fpgaVersion[2] = 200;
    info.serialNumber = 4711;
    info.deviceType = deviceType;
    memcpy(info.releaseName, "1.0", 3);

    status = get_device_status_resp_t{};
    status.link[0].up = 1;
    status.link[0].speed = 2;
    status.link[0].duplex = 1;
    status.clock = 1700000000u;

    syncStatus = get_sync_status_resp_t{3, 1, 2};
    deviceSettings = device_settings_t{};
    startError = error_t{};
    m_clockBase = status.clock;
    m_up.start();
}

QByteArray SimRemoteResponder::modelSettings(quint32 port, quint8 id) const
{
    if (!realistic)
        return QByteArray();
    const SimTestModel &model = simTestModel(id);
    if (!model.defaultSettings)
        return QByteArray();
    const QByteArray block = model.defaultSettings(port);
    return block.size() == testSettingsSize(id) ? block : QByteArray();
}

QByteArray SimRemoteResponder::resultsReply(quint32 port, quint8 test, quint32 param, bool *valid)
{
    if (valid)
        *valid = true;
    const SimTestModel &model = realistic ? simTestModel(test) : SimTestModel();
    if (!model.results)
        return resultsRecord(port, test);
    // A run whose bits went without a Stop (cleared by hand) ends here.
    if (!(port < 2 && test < 32 && (status.process[port].tx & (1u << test))))
        endRun(port, test, true);
    settingsBlock(port, test);   // held from now on, as a tester holds it
    SimRun run = runOf(port, test);
    run.param = param;
    SimResultsAnswer answer = model.results(run);
    if (answer.record.isEmpty())
        return resultsRecord(port, test);
    answer.record = answer.record.left(testResultsSize(test));
    answer.record.append(QByteArray(testResultsSize(test) - answer.record.size(), '\0'));
    if (!answer.valid) {
        if (valid)
            *valid = false;
        return answer.record;
    }
    results[key(port, test)] = answer.record;
    if (answer.finished && run.running) {
        endRun(port, test, false);
        setProcess(port, test, false);
    }
    return answer.record;
}

SimRun SimRemoteResponder::runOf(quint32 port, quint8 test) const
{
    SimRun run;
    run.port = port;
    run.test = test;
    run.running = port < 2 && test < 32 && (status.process[port].tx & (1u << test));
    const auto it = runs.constFind(key(port, test));
    run.started = it != runs.constEnd();
    if (run.started) {
        run.elapsedMs = it->endedAfterMs >= 0 ? it->endedAfterMs : it->since.elapsed();
        run.stopped = it->stopped;
        run.topology = it->topology;
        run.startClock = it->startClock;
    }
    run.clock = status.clock;
    run.settings = heldSettings(port, test);
    run.tester = this;
    return run;
}

QByteArray SimRemoteResponder::heldSettings(quint32 port, quint8 id) const
{
    const auto it = settings.constFind(key(port, id));
    if (it != settings.constEnd())
        return *it;
    const QByteArray block = modelSettings(port, id);
    return block.isEmpty() ? patternBlock(port, id, testSettingsSize(id), false) : block;
}

SimRemoteResponder::RunFrames SimRemoteResponder::runFrames(quint32 runKey) const
{
    RunFrames frames;
    const quint32 port = runKey >> 8;
    const quint8 test = quint8(runKey & 0xFF);
    const auto it = runs.constFind(runKey);
    if (!realistic || port > 1 || it == runs.constEnd())
        return frames;
    const SimTestModel &model = simTestModel(test);
    if (!model.traffic)
        return frames;
    const quint32 receiver = it->topology == TopologyToOtherPort ? 1 - port : port;
    for (const SimStream &stream : model.traffic(runOf(port, test))) {
        if (stream.fromFarEnd) {
            frames[port].rx[stream.length] += qint64(stream.received);
            continue;
        }
        frames[port].tx[stream.length] += qint64(stream.sent);
        frames[receiver].rx[stream.length] += qint64(stream.received);
    }
    return frames;
}

void SimRemoteResponder::resetStatistics()
{
    ++statisticsResets;
    m_settledFrames = RunFrames();
    m_framesAtReset.clear();
    for (auto it = runs.cbegin(); it != runs.cend(); ++it)
        m_framesAtReset.insert(it.key(), runFrames(it.key()));
}

void SimRemoteResponder::PortFrames::add(const PortFrames &now, const PortFrames &before)
{
    for (auto it = now.tx.cbegin(); it != now.tx.cend(); ++it)
        tx[it.key()] += it.value() - before.tx.value(it.key());
    for (auto it = now.rx.cbegin(); it != now.rx.cend(); ++it)
        rx[it.key()] += it.value() - before.rx.value(it.key());
}

void SimRemoteResponder::settleRun(quint32 runKey)
{
    if (!runs.contains(runKey))
        return;
    const RunFrames now = runFrames(runKey);
    const RunFrames before = m_framesAtReset.take(runKey);
    for (int p = 0; p < 2; ++p)
        m_settledFrames[p].add(now[p], before[p]);
}

SimRemoteResponder::PortTraffic SimRemoteResponder::portTraffic(quint32 port) const
{
    PortTraffic traffic;
    if (!realistic || port > 1)
        return traffic;

    // Counts: the runs replaced since the reset, and each run less what it
    // had counted at the reset.
    PortFrames counted = m_settledFrames[port];
    for (auto it = runs.cbegin(); it != runs.cend(); ++it)
        counted.add(runFrames(it.key())[port], m_framesAtReset.value(it.key())[port]);
    for (auto f = counted.tx.cbegin(); f != counted.tx.cend(); ++f) {
        if (f.value() > 0)
            traffic.txFrames[f.key()] = quint64(f.value());
    }
    for (auto f = counted.rx.cbegin(); f != counted.rx.cend(); ++f) {
        if (f.value() > 0)
            traffic.rxFrames[f.key()] = quint64(f.value());
    }

    // Rates: the tests running now.
    for (auto it = runs.cbegin(); it != runs.cend(); ++it) {
        const quint32 from = it.key() >> 8;
        const quint8 test = quint8(it.key() & 0xFF);
        if (from > 1 || test >= 32 || !(status.process[from].tx & (1u << test)))
            continue;
        const SimTestModel &model = simTestModel(test);
        if (!model.traffic)
            continue;
        const quint32 receiver = it->topology == TopologyToOtherPort ? 1 - from : from;
        for (const SimStream &stream : model.traffic(runOf(from, test))) {
            const double frames = stream.length ? stream.bytesPerSecond / stream.length : 0.0;
            if (!stream.fromFarEnd && from == port) {
                traffic.txBytesPerSecond += stream.bytesPerSecond;
                traffic.txFramesPerSecond += frames;
            }
            if ((stream.fromFarEnd ? from : receiver) == port) {
                traffic.rxBytesPerSecond += stream.bytesPerSecond;
                traffic.rxFramesPerSecond += frames;
            }
        }
    }
    // A line carries no more than its 1 Gbit/s each way.
    constexpr double LineBytesPerSecond = 125000000.0;
    const auto cap = [](double &bytes, double &frames) {
        if (bytes > LineBytesPerSecond) {
            frames *= LineBytesPerSecond / bytes;
            bytes = LineBytesPerSecond;
        }
    };
    cap(traffic.txBytesPerSecond, traffic.txFramesPerSecond);
    cap(traffic.rxBytesPerSecond, traffic.rxFramesPerSecond);
    return traffic;
}

QByteArray SimRemoteResponder::reportFile(quint32 port, quint8 test)
{
    const quint32 p = port == PortB ? PortB : PortA;
    auto heldResults = [this, test](quint32 of) {
        bool valid = true;
        const QByteArray record = resultsReply(of, test, 0, &valid);
        return valid ? record : QByteArray();
    };

    report_header_t header;
    std::memset(&header, 0, sizeof header);
    header.port = quint8(port);
    const auto run = runs.constFind(key(p, test));
    const quint32 topologyOfRun = run != runs.constEnd() ? run->topology : topology[p];
    header.loop = topologyOfRun == TopologySamePort ? 1 : 0;
    for (int i = 0; i < 2; ++i) {
        header.link[i] = status.link[i];
        header.dhcp[i] = status.address[i];
    }
    ReportImage image(test);
    image.header(header)
        .interfaceSettings(PortA, settingsBlock(PortA, TestInterfaceSettings))
        .interfaceSettings(PortB, settingsBlock(PortB, TestInterfaceSettings));
    const ReportLayout *layout = image.layout();
    if (!layout)
        return image.bytes() + settingsBlock(p, test) + heldResults(p);
    image.settings(settingsBlock(p, test));
    if (layout->resultsAt[1] >= 0)
        image.results(heldResults(PortA), PortA).results(heldResults(PortB), PortB);
    else
        image.results(heldResults(p));
    return image.bytes();
}

QString SimRemoteResponder::proposedName(quint8 test) const
{
    if (!newFileName.isEmpty())
        return newFileName;
    // Letters, digits and a blank: what the tester's name field takes.
    const QString stem = test == TestDeviceSettings ? QStringLiteral("CONFIG") : QStringLiteral("REPORT");
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1 %2").arg(stem).arg(n, 4, 10, QLatin1Char('0'));
        if (fileIndex(name) < 0)
            return name;
    }
}

quint8 SimRemoteResponder::saveError(const QString &name) const
{
    if (fileError)
        return fileError;
    if (fileIndex(name) >= 0)
        return SaveErrorFileExists;
    return files.size() >= MaxFiles ? SaveErrorMemoryFull : 0;
}

void SimRemoteResponder::endRun(quint32 port, quint8 test, bool stopped)
{
    const auto it = runs.find(key(port, test));
    if (it == runs.end() || it->endedAfterMs >= 0)
        return;
    it->endedAfterMs = it->since.elapsed();
    it->stopped = stopped;
}

void SimRemoteResponder::updateRates()
{
    if (!realistic)
        return;
    for (quint32 p = 0; p < 2; ++p) {
        const PortTraffic traffic = portTraffic(p);
        status.txRate[p] = quint32(qMin(traffic.txBytesPerSecond, 4294967295.0));
        status.rxRate[p] = quint32(qMin(traffic.rxBytesPerSecond, 4294967295.0));
    }
}

QByteArray SimRemoteResponder::patternBlock(quint32 port, quint8 id, int size, bool resultsRecord)
{
    QByteArray block(size, '\0');
    for (int i = 0; i < size; ++i)
        block[i] = char((i * 7 + id * 31 + port * 101 + (resultsRecord ? 57 : 0)) & 0xFF);
    return block;
}

QByteArray &SimRemoteResponder::settingsBlock(quint32 port, quint8 id)
{
    auto it = settings.find(key(port, id));
    if (it == settings.end()) {
        QByteArray block = modelSettings(port, id);
        if (block.isEmpty())
            block = patternBlock(port, id, testSettingsSize(id), false);
        it = settings.insert(key(port, id), block);
    }
    return *it;
}

QByteArray &SimRemoteResponder::resultsRecord(quint32 port, quint8 test)
{
    auto it = results.find(key(port, test));
    if (it == results.end())
        it = results.insert(key(port, test), patternBlock(port, test, testResultsSize(test), true));
    return *it;
}

int SimRemoteResponder::fileIndex(const QString &name) const
{
    for (int i = 0; i < files.size(); ++i) {
        if (files.at(i).name == name)
            return i;
    }
    return -1;
}

QByteArray SimRemoteResponder::image(quint8 kind, int size) const
{
    QByteArray out;
    for (const Block &b : blocks) {
        if (b.kind == kind)
            out.append(b.data);
    }
    return out.left(size);
}

QList<SimReply> SimRemoteResponder::reply(const QByteArray &payload)
{
    SimReply r;
    r.payload = payload;
    return {r};
}

QList<SimReply> SimRemoteResponder::byteReply(quint8 value)
{
    return reply(QByteArray(1, char(value)));
}

void SimRemoteResponder::setProcess(quint32 port, quint8 test, bool start)
{
    if (port > 1 || test >= 32)
        return;
    const quint32 bit = 1u << test;
    if (start) {
        settleRun(key(port, test));
        Run &run = runs[key(port, test)];
        run.since.start();
        run.endedAfterMs = -1;
        run.stopped = false;
        run.topology = topology[port];
        run.startClock = status.clock;
        status.process[port].tx |= bit;
        const quint32 receiver = topology[port] == TopologyToOtherPort ? 1 - port : port;
        status.process[receiver].rx |= bit;
        status.topology[port] = quint8(qMin<quint32>(topology[port], 2));
    } else {
        // A Stop of a test that still runs: its results stay where they are.
        if (status.process[port].tx & bit)
            endRun(port, test, true);
        for (auto &p : status.process) {
            p.tx &= ~bit;
            p.rx &= ~bit;
        }
    }
    updateRates();
}

QByteArray SimRemoteResponder::screenReply(quint32 index) const
{
    QByteArray pairs(2 * ScreenPairs, '\0');
    if (screenStalls)
        return pairs;
    const int total = screen.size();
    int at = int(qMin<quint32>(index, quint32(total)));
    for (int p = 0; p < ScreenPairs && at < total; ++p) {
        const quint8 colour = screen.at(at);
        int run = 0;
        while (at < total && run < MaxRun && screen.at(at) == colour) {
            ++run;
            ++at;
        }
        pairs[2 * p] = char(run);
        pairs[2 * p + 1] = char(colour);
    }
    return pairs;
}

QList<SimReply> SimRemoteResponder::handle(const QByteArray &request)
{
    if (request.isEmpty()) {
        ++malformed;
        return {};
    }
    const quint8 command = quint8(request.at(0));
    Fields f(request);
    QList<SimReply> out;

    switch (command) {
    case 0x00:
        if (realistic)
            status.clock = m_clockBase + quint32(m_up.elapsed() / 1000);
        out = reply(recordBytes(status));
        break;
    case 0x01: {
        const quint32 address = f.u32();
        out = byteReply(fpga.value(address, 0));
        break;
    }
    case 0x02: {
        const quint32 address = f.u32();
        const quint8 value = f.u8();
        if (f.ok())
            fpga[address] = value;
        out = byteReply(1);
        break;
    }
    case 0x04: {
        const quint32 index = f.u32();
        f.u32();   // left
        f.u32();   // top
        f.u32();   // width
        f.u32();   // height
        out = reply(screenReply(index));
        break;
    }
    case 0x05: {
        const QString name = f.name();
        openFile = fileIndex(name);
        readCursor = 0;
        if (openFile < 0) {
            out = reply(le16(0) + QByteArray(1, char(fileError ? fileError : 1)));
        } else {
            const int length = qMin(files.at(openFile).contents.size(), 0xFFFF);
            out = reply(le16(quint16(length)) + QByteArray(1, char(fileError)));
        }
        break;
    }
    case 0x06: {
        const quint16 count = f.u16();
        QByteArray data;
        quint8 error = 1;
        if (openFile >= 0 && openFile < files.size()) {
            data = files.at(openFile).contents.mid(readCursor, count);
            readCursor += data.size();
            error = fileError;
        }
        data.append(QByteArray(count - data.size(), '\0'));
        out = reply(QByteArray(1, char(error)) + data);
        break;
    }
    case 0x07: {
        const bool first = f.u8() != 0;
        const quint32 type = f.u32();
        if (first)
            listCursor = 0;
        while (listCursor < files.size() && files.at(listCursor).type != type)
            ++listCursor;
        if (listCursor < files.size()) {
            out = reply(QByteArray(1, '\1') + nameField(files.at(listCursor).name.toLatin1()));
            ++listCursor;
        } else {
            out = reply(QByteArray(1 + NameSize, '\0'));
        }
        break;
    }
    case 0x08: {
        const int i = fileIndex(f.name());
        if (i >= 0 && fileError == 0)
            files.removeAt(i);
        out = byteReply(fileError);
        break;
    }
    case 0x09: {
        const bool start = f.u8() != 0;
        const quint32 port = f.u32();
        const quint8 test = f.u8();
        if (!f.ok())
            break;
        if (start && startError.type != 0) {
            out = reply(recordBytes(startError));
            break;
        }
        // Traffic needs a line to go out on.
        if (start && realistic && port < 2 && simTestModel(test).traffic && !status.link[port].up) {
            error_t refused{};
            refused.type = StartErrorNotConnected;
            out = reply(recordBytes(refused));
            break;
        }
        setProcess(port, test, start);
        out = reply(recordBytes(error_t{}));
        break;
    }
    case 0x0A: {
        const quint32 port = f.u32();
        const quint8 code = f.u8();
        if (f.ok() && port < 3)
            topology[port] = code;
        // Pass-through shows in the port's process word like a running test.
        if (f.ok() && port < 2 && code == TopologyPassThroughOn)
            status.process[port].tx |= 1u << ProcessBitPassThrough;
        if (f.ok() && port < 2 && code == TopologyPassThroughOff)
            status.process[port].tx &= ~(1u << ProcessBitPassThrough);
        // A test port takes its loopback level at once (off is level 0).
        if (f.ok() && realistic && port < 2 && code >= TopologyLoopbackOff && code <= TopologyLoopbackLevel4) {
            const quint8 level = quint8(code - TopologyLoopbackOff);
            status.loopback[port].level = level;
            if (level)
                status.process[port].tx |= 1u << ProcessBitLoopback;
            else
                status.process[port].tx &= ~(1u << ProcessBitLoopback);
        }
        out = byteReply(1);
        break;
    }
    case 0x0B:
        resetStatistics();
        out = byteReply(1);
        break;
    case 0x0C: {
        const QString name = f.name();
        const quint8 error = saveError(name);
        if (f.ok() && error == 0) {
            File file;
            file.name = name;
            file.type = FileTypeConfig;
            file.contents = "config:" + name.toLatin1();
            files << file;
        }
        out = byteReply(error);
        break;
    }
    case 0x0D: {
        const QString name = f.name();
        loadedConfig = name;
        out = byteReply(fileError ? fileError : (fileIndex(name) >= 0 ? 0 : 1));
        break;
    }
    case 0x0E: {
        const quint32 type = f.u32();
        for (int i = files.size() - 1; i >= 0; --i) {
            if (files.at(i).type == type)
                files.removeAt(i);
        }
        out = byteReply(1);
        break;
    }
    case 0x0F:
        out = reply(recordBytes(info));
        break;
    case 0x10:
        lastKey = f.u32();
        out = byteReply(1);
        break;
    case 0x11: {
        const quint32 port = f.u32();
        const quint8 id = f.u8();
        if (!f.ok())
            break;
        if (port == 0 && id == TestDeviceSettings)
            out = reply(recordBytes(deviceSettings));
        else
            out = reply(settingsBlock(port, id));
        break;
    }
    case 0x12: {
        const quint32 port = f.u32();
        const quint8 id = f.u8();
        const QByteArray block = f.rest();
        if (!f.ok())
            break;
        if (port == 0 && id == TestDeviceSettings && block.size() == int(sizeof deviceSettings))
            memcpy(&deviceSettings, block.constData(), sizeof deviceSettings);
        else
            settings[key(port, id)] = block;
        out = byteReply(1);
        break;
    }
    case 0x13: {
        const quint32 port = f.u32();
        const quint8 test = f.u8();
        const quint32 param = f.u32();
        if (!f.ok())
            break;
        bool valid = true;
        const QByteArray record = resultsReply(port, test, param, &valid);
        out = reply(QByteArray(1, char(valid ? resultsValid : 0)) + record);
        break;
    }
    case 0x14: {
        const quint32 port = f.u32();
        const quint8 id = f.u8();
        if (!f.ok())
            break;
        defaultsLoaded << qMakePair(port, id);
        const QByteArray model = modelSettings(port, id);
        settings[key(port, id)] = model.isEmpty() ? QByteArray(testSettingsSize(id), '\0') : model;
        out = byteReply(1);
        break;
    }
    case 0x15: {
        const quint32 port = f.u32();
        const quint8 test = f.u8();
        const QString name = f.name();
        const quint8 error = saveError(name);
        if (f.ok() && error == 0) {
            File file;
            file.name = name;
            file.type = FileTypeReport;
            file.port = port;
            file.test = test;
            file.contents = reportFile(port, test);
            files << file;
        }
        out = byteReply(error);
        break;
    }
    case 0x16: {
        const int i = fileIndex(f.name());
        load_report_resp_t r{};
        if (i < 0 || files.at(i).type != FileTypeReport) {
            r.result = 1;
        } else {
            r.port = files.at(i).port;
            r.test = files.at(i).test;
        }
        out = reply(recordBytes(r));
        break;
    }
    case 0x17:
        ++defaultConfigLoads;
        break;
    case 0x18:
        out = reply(le32(menuId));
        break;
    case 0x19:
        clock = f.u32();
        out = byteReply(clockReply);
        break;
    case 0x1A: {
        const quint8 test = f.u8();
        out = reply(nameField(proposedName(test).toUtf8()));
        break;
    }
    case 0x1B: {
        const quint8 value = f.u8();
        if (f.ok())
            syncStatusSet << value;
        out = byteReply(1);
        break;
    }
    case 0x1C:
        out = reply(recordBytes(syncStatus));
        break;
    case 0x1D: {
        Phase p;
        p.raw = request;
        p.phase = f.u8();
        p.cpuLength = f.u32();
        p.fpgaLength = f.u32();
        f.u16();   // reserved
        if (!f.ok())
            break;
        phases << p;
        out = byteReply(p.phase == 0 ? startReply : p.phase == 1 ? finishReply : cancelReply);
        break;
    }
    case 0x1E: {
        Block b;
        b.kind = f.u8();
        b.data = f.bytes(256);
        if (!f.ok())
            break;
        const bool refused = blocks.size() == refuseBlock;
        blocks << b;
        out = byteReply(refused ? 0 : 1);
        break;
    }
    case 0x1F:
        watchdogTime = f.u32();
        out = byteReply(1);
        break;
    case 0x20:
    case 0x80:
        resets << request;
        break;
    default:
        out = byteReply(0);
        break;
    }

    if (!f.ok()) {
        ++malformed;
        return {};
    }
    if (unanswered.contains(command))
        return {};
    if (replyOverride.contains(command))
        return reply(replyOverride.value(command));
    return out;
}
