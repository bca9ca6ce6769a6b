#pragma once

// The tester's update firmware, as seen from the update client: answers the
// update-mode requests 0x80-0x89 and records what it was sent, so a test can
// reassemble every image and compare it byte for byte.
//
// Two modes: update mode (the update firmware runs) and normal mode (the
// remote-control firmware runs; it answers every request with a frame that
// starts with 0x02, except the reset into update mode 0x80 01, which it
// takes without a reply and restarts). Every restart into update mode is
// followed, after restartDelayMs, by the spontaneous OK with which the
// update firmware reports.
//
// Called by SimTester in its own thread with the responder lock held; tests
// reach the state below through SimTester::with<SimUpdateResponder>().

#include "simtester.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class SimUpdateResponder : public SimResponder
{
public:
    static constexpr quint8 CmdReset = 0x80;
    static constexpr quint8 CmdIdentify = 0x81;
    static constexpr quint8 CmdFpgaErase = 0x82;
    static constexpr quint8 CmdCpuBlock = 0x83;
    static constexpr quint8 CmdFpgaBlock = 0x84;
    static constexpr quint8 CmdFsSlice = 0x85;
    static constexpr quint8 CmdGpsBlock = 0x86;
    static constexpr quint8 CmdLogon = 0x87;
    static constexpr quint8 CmdLogonChange = 0x88;
    static constexpr quint8 CmdIpSettings = 0x89;

    static constexpr quint8 Ok = 0x01;
    static constexpr quint8 Refused = 0x00;
    static constexpr quint8 NormalFirmware = 0x02;

    static constexpr int TextFieldSize = 20;
    static constexpr int BlockSize = 256;
    static constexpr int SliceSize = 260;

    enum class Mode { Update, Normal };

    struct Block {
        quint32 offset = 0;     // 0 for file-system slices, which carry none
        QByteArray data;        // the 256 or 260 data bytes as received
    };

    struct IpSettings {
        quint8 dhcp = 0;
        quint32 ip = 0;
        quint32 mask = 0;
        quint32 gateway = 0;
    };

    explicit SimUpdateResponder(quint8 deviceType = 6);

    QList<SimReply> handle(const QByteArray &request) override;

    // --- configuration -----------------------------------------------------
    Mode mode = Mode::Update;
    quint8 deviceType;
    QByteArray release = "R3.0.4";     // up to 10 bytes, NUL-padded in the reply
    quint16 serial = 1234;
    QByteArray logon = "tuvex";        // compared as NUL-padded 20-byte fields
    QByteArray password = "tuvex";
    int restartDelayMs = 300;          // reset into update mode -> spontaneous OK
    bool okAfterRestart = true;        // false: the restarted firmware stays silent

    // Per command: the acknowledgement goes out after delayMs; the first
    // `answered` requests of the command are answered, later ones get no reply
    // (-1: all answered); `duplicates` extra OK frames follow each OK.
    struct AckRule {
        int delayMs = 0;
        int answered = -1;
        int duplicates = 0;
    };
    QHash<quint8, AckRule> ackRules;
    // Per command: this payload answers instead of the normal reply.
    QHash<quint8, QByteArray> replyOverride;
    // Per command and request number (1 = the first of that command since
    // clearRecord()): these frames answer, in order, instead of the normal
    // acknowledgement; the first goes out after the command's ack delay.
    // A refusal followed by an OK is {"\x00", "\x01"}.
    QHash<quint8, QHash<int, QList<QByteArray>>> scripted;
    void script(quint8 command, int nth, const QList<QByteArray> &frames) { scripted[command][nth] = frames; }

    void setAckDelay(quint8 command, int ms) { ackRules[command].delayMs = ms; }
    // Answers the first `answered` requests of command, then nothing.
    void silenceAfter(quint8 command, int answered) { ackRules[command].answered = answered; }

    // --- record ------------------------------------------------------------
    QHash<quint8, QList<Block>> blocks;     // by command 0x83-0x86
    QHash<quint8, int> counts;              // requests seen per command, any mode
    int fpgaErases = 0;
    QList<quint8> resets;                   // target bytes of 0x80 requests
    QList<QPair<QByteArray, QByteArray>> logons;        // fields as received
    QList<QPair<QByteArray, QByteArray>> logonChanges;
    QList<IpSettings> ipSettings;

    // The image a series of blocks (0x83, 0x84, 0x86: placed at their
    // offsets) or slices (0x85: in order) builds, cut to size bytes.
    QByteArray image(quint8 command, int size) const;
    void clearRecord();

    // A 20-byte field as the client sends it.
    static QByteArray textField(const QByteArray &text);

private:
    QList<SimReply> ack(quint8 command);
    QList<SimReply> restartIntoUpdate(int afterMs);
};
