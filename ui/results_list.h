// The results list ListView1: its columns, how a run fills it, and the text
// that Copy puts on the clipboard.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "calculation_run.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace tavrel::ui {

// A report-style list: ten left-aligned headers of fixed width, whole rows
// selected (several at once), nothing edited, nothing sorted.
void SetUpResultList(QTreeWidget& list);

// The ten texts of a row in the list's column order: width, steel area I,
// steel area II, h0, layouts I1..I3, layouts II1..II3.
QStringList ListTexts(const ResultRow& row);

// The list as a run's second sink. Rows are held back and added in one
// batch when the run is over (Flush, or at the latest the destructor), so
// that a run of 80 rows costs one insertion; a failed run still shows the
// rows it made.
class ResultListRows : public ResultList {
public:
    explicit ResultListRows(QTreeWidget& list);
    ~ResultListRows() override;
    ResultListRows(const ResultListRows&) = delete;
    ResultListRows& operator=(const ResultListRows&) = delete;

    void ClearResultList() override;
    void AddResultRow(const ResultRow& row) override;
    void Flush();

private:
    QTreeWidget& m_list;
    QList<QTreeWidgetItem*> m_pending;
};

// Tab-separated lines, each ended by a line feed: the headers first, then
// the rows as given. What spreadsheets take from the clipboard.
QString CopyText(const QStringList& headers, const QList<QStringList>& rows);

// The selected rows in list order, or every row when none is selected,
// under the list's headers.
QString CopyTextOfList(const QTreeWidget& list);

}  // namespace tavrel::ui
