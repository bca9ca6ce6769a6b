#pragma once

// What the port panels of the main window show for one port of the status
// record: texts and style sheets only, no widgets, so the choices can be
// pinned by tables of cases. The main window applies them to its cells.

#include <QString>
#include <QtGlobal>

// Text and style sheet of one panel cell.
struct PortCellLook
{
    QString text;
    QString styleSheet;
};

namespace PortStyle {
// Cell colours; "blue" is the text colour of every cell outside the alarm style.
inline const char *const BlueOnBlack = "background-color: rgb(0, 0, 0);color: rgb(0, 170, 255);";
inline const char *const BlueOnWhite = "background-color: rgb(255, 255, 255);color: rgb(0, 170, 255);";
inline const char *const RxActive = "background-color: rgb(0, 255, 0);color: rgb(0, 170, 255);";
inline const char *const TxActive = "background-color: rgb(255, 255, 0);color: rgb(0, 170, 255);";
}

// Link cell from the four link-state bytes: up flag, medium (unused here),
// speed code (0 = 10, 1 = 100, 2 = 1000) and duplex code (0 half, 1 full).
PortCellLook portLinkLook(quint8 up, quint8 speed, quint8 duplex);

// Style of the receive lamp (green while the receive process word is
// non-zero) and of the transmit lamp (yellow while the transmit word is).
QString rxLampStyle(quint32 rxProcess);
QString txLampStyle(quint32 txProcess);

// Process cell: the running test's short name and the colour of its role.
// txProcess/rxProcess are the port's process words (bit n = test id n),
// alarm the port's alarm state, loopbackLevel the port's loopback level.
PortCellLook portProcessLook(quint32 txProcess, quint32 rxProcess, quint8 alarm, quint8 loopbackLevel);

// Topology cell of port 0 (Port A) or 1 (Port B): "A->B", "A->A" and so on,
// "---" for any code that is neither 0 nor 1.
QString topologyText(int port, quint8 topology);

// The two-line rate cell: "Tx: <rate>\nRx: <rate>", each rate in bytes per
// second as rateToString writes it everywhere else.
QString portRatesText(quint32 txBytesPerSecond, quint32 rxBytesPerSecond);
