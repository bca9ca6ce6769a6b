#pragma once

#include "records.h"

#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QString>

// Renders a report file stored by the tester as an A4 PDF document, one
// writer per test id. Device owns one by value and calls it only from its
// worker thread, one report at a time.
//
// This build carries no writers yet: a test id that has a report is answered
// with Failed (nothing written, never claimed as written); every other test
// id, and an empty report, is answered with NoReport without touching any
// file.
class PDFCreator : public QObject
{
    Q_OBJECT
public:
    // What became of one report. A window tells the operator apart "saved",
    // "this test has no report" and "could not be saved"; createReport()
    // folds the first two into true.
    enum class Outcome {
        Written,    // the PDF file holds the report
        NoReport,   // the test id has no report: no file written or touched
        Failed,     // nothing usable written (no file left behind)
    };
    Q_ENUM(Outcome)

    explicit PDFCreator(QObject *parent = nullptr);

    // report: the whole file as stored by the tester (byte 0 is the test id;
    // an empty array reads as test id 0). info: the connected tester.
    Outcome render(const QString &pdfFileName, const QByteArray &report,
                   const get_device_info_resp_t *info);

    // render() as a yes/no: false only for Failed.
    bool createReport(const QString &pdfFileName, const QByteArray &report,
                      const get_device_info_resp_t *info);

    // Whether a writer exists for the test id: 1 to 13, 15, 16, 17 and 19.
    static bool hasWriter(unsigned testId);
};

Q_DECLARE_METATYPE(PDFCreator::Outcome)
