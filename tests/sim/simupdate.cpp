#include "simupdate.h"

#include <QtEndian>

namespace {

quint32 le32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(b.constData()) + at);
}

constexpr int BlockRequestSize = 1 + 4 + SimUpdateResponder::BlockSize;
constexpr int SliceRequestSize = 1 + SimUpdateResponder::SliceSize;
constexpr int LogonRequestSize = 1 + 2 * SimUpdateResponder::TextFieldSize;
constexpr int IpRequestSize = 14;
constexpr int ReleaseFieldSize = 10;

} // namespace

SimUpdateResponder::SimUpdateResponder(quint8 type)
    : deviceType(type)
{
}

QByteArray SimUpdateResponder::textField(const QByteArray &text)
{
    QByteArray field = text.left(TextFieldSize);
    field.append(QByteArray(TextFieldSize - field.size(), '\0'));
    return field;
}

void SimUpdateResponder::clearRecord()
{
    blocks.clear();
    counts.clear();
    fpgaErases = 0;
    resets.clear();
    logons.clear();
    logonChanges.clear();
    ipSettings.clear();
}

QByteArray SimUpdateResponder::image(quint8 command, int size) const
{
    QByteArray out;
    const QList<Block> list = blocks.value(command);
    if (command == CmdFsSlice) {
        for (const Block &b : list)
            out.append(b.data);
    } else {
        for (const Block &b : list) {
            const int end = int(b.offset) + b.data.size();
            if (out.size() < end)
                out.append(QByteArray(end - out.size(), '\0'));
            out.replace(int(b.offset), b.data.size(), b.data);
        }
    }
    return out.left(size);
}

QList<SimReply> SimUpdateResponder::ack(quint8 command)
{
    const AckRule rule = ackRules.value(command);
    if (rule.answered >= 0 && counts.value(command) > rule.answered)
        return {};
    const QHash<int, QList<QByteArray>> byCount = scripted.value(command);
    const auto script = byCount.constFind(counts.value(command));
    if (script != byCount.constEnd()) {
        QList<SimReply> replies;
        for (const QByteArray &frame : *script)
            replies.append(SimReply{frame, replies.isEmpty() ? rule.delayMs : 0});
        return replies;
    }
    if (replyOverride.contains(command))
        return {SimReply{replyOverride.value(command), rule.delayMs}};
    QList<SimReply> replies{SimReply{QByteArray(1, char(Ok)), rule.delayMs}};
    for (int i = 0; i < rule.duplicates; ++i)
        replies.append(SimReply{QByteArray(1, char(Ok)), 0});
    return replies;
}

QList<SimReply> SimUpdateResponder::restartIntoUpdate(int afterMs)
{
    mode = Mode::Update;
    if (!okAfterRestart)
        return {};
    return {SimReply{QByteArray(1, char(Ok)), afterMs}};
}

QList<SimReply> SimUpdateResponder::handle(const QByteArray &request)
{
    if (request.isEmpty())
        return {};
    const quint8 command = quint8(request.at(0));
    counts[command] += 1;

    if (mode == Mode::Normal) {
        // The remote-control firmware takes the reset into update mode
        // without a reply; everything else gets one of its own replies.
        if (command == CmdReset && request.size() >= 2 && request.at(1) == 1) {
            resets.append(1);
            return restartIntoUpdate(restartDelayMs);
        }
        QByteArray reply(2, '\0');
        reply[0] = char(NormalFirmware);
        return {SimReply{reply, 0}};
    }

    switch (command) {
    case CmdReset: {
        if (request.size() < 2)
            return {};
        const quint8 target = quint8(request.at(1));
        resets.append(target);
        QList<SimReply> replies = ack(command);
        if (replies.isEmpty())
            return {};
        if (target == 1) {
            replies.append(restartIntoUpdate(restartDelayMs));
        } else {
            mode = Mode::Normal;
        }
        return replies;
    }
    case CmdIdentify: {
        if (replyOverride.contains(command))
            return {SimReply{replyOverride.value(command), 0}};
        QByteArray reply(13, '\0');
        reply[0] = char(deviceType);
        const QByteArray name = release.left(ReleaseFieldSize);
        reply.replace(1, name.size(), name);
        qToLittleEndian<quint16>(serial, reinterpret_cast<uchar *>(reply.data()) + 1 + ReleaseFieldSize);
        return {SimReply{reply, 0}};
    }
    case CmdLogon: {
        if (request.size() != LogonRequestSize)
            return {};
        const QByteArray id = request.mid(1, TextFieldSize);
        const QByteArray pw = request.mid(1 + TextFieldSize, TextFieldSize);
        logons.append({id, pw});
        if (replyOverride.contains(command))
            return {SimReply{replyOverride.value(command), 0}};
        const bool accepted = id == textField(logon) && pw == textField(password);
        return {SimReply{QByteArray(1, char(accepted ? Ok : Refused)), 0}};
    }
    case CmdLogonChange:
        if (request.size() == LogonRequestSize) {
            const QByteArray id = request.mid(1, TextFieldSize);
            const QByteArray pw = request.mid(1 + TextFieldSize, TextFieldSize);
            logonChanges.append({id, pw});
            logon = QByteArray(id.constData(), int(qstrnlen(id.constData(), TextFieldSize)));
            password = QByteArray(pw.constData(), int(qstrnlen(pw.constData(), TextFieldSize)));
        }
        return {};
    case CmdIpSettings:
        if (request.size() == IpRequestSize) {
            IpSettings s;
            s.dhcp = quint8(request.at(1));
            s.ip = le32(request, 2);
            s.mask = le32(request, 6);
            s.gateway = le32(request, 10);
            ipSettings.append(s);
        }
        return {};
    case CmdFpgaErase:
        ++fpgaErases;
        return ack(command);
    case CmdCpuBlock:
    case CmdFpgaBlock:
    case CmdGpsBlock:
        if (request.size() != BlockRequestSize)
            return {};
        blocks[command].append(Block{le32(request, 1), request.mid(5)});
        return ack(command);
    case CmdFsSlice:
        if (request.size() != SliceRequestSize)
            return {};
        blocks[command].append(Block{0, request.mid(1)});
        return ack(command);
    default:
        return {};
    }
}
