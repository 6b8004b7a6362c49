// What the window's context menu does with the last calculation: its table on the clipboard or
// in a CSV file, its report as a PDF file or in a preview, its diagram as an image.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/calc_record.h"
#include "output/diagram_model.h"

class QtHost;
class QWidget;

// Writes the bytes to the file through QSaveFile, so that a complete new file replaces the old
// one or nothing changes; the reason in the user's language when it fails.
std::optional<std::string> WriteWholeFile(const QString& path, const QByteArray& bytes);

// Each of these tells the outcome as the window's note, or a failure in a message.
void CopyTable(const CalcRecord& record, QtHost& host);
void ExportCsv(const CalcRecord& record, QtHost& host);
void SaveReportAsPdf(CalcRecord& record, QtHost& host);
// The report as it will print, page by page; the preview's print button runs `print`.
void PreviewReport(CalcRecord& record, QtHost& host, QWidget* parent,
                   const std::function<void()>& print);
// PNG at twice `logical_size`, or SVG, by the file type the user picks.
void SaveDiagram(const DiagramModel& model, QSize logical_size, QtHost& host);
