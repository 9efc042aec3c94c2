#include "results_list.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "captions.h"
#include "result_list_text.h"
#include "twips.h"

namespace tavrel::ui {

static_assert(kResultListHeaders.size() == kListColumns);

void SetUpResultList(QTreeWidget& list) {
    list.setColumnCount(kListColumns);
    QStringList headers;
    for (const char* header : kResultListHeaders) headers << QString::fromUtf8(header);
    list.setHeaderLabels(headers);

    QHeaderView& header = *list.header();
    header.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The columns keep the widths and the order they were given: Copy and
    // the engineer's eye both rely on the order.
    header.setStretchLastSection(false);
    header.setSectionsMovable(false);
    for (int column = 0; column < kListColumns; ++column)
        list.setColumnWidth(column, TwipsToPixels(kListColumnTwips[column]));

    list.setRootIsDecorated(false);
    list.setItemsExpandable(false);
    list.setUniformRowHeights(true);
    list.setAllColumnsShowFocus(true);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.setSortingEnabled(false);
    // The columns are narrow for today's fonts; a clipped last digit still
    // reads, an ellipsis in its place does not.
    list.setTextElideMode(Qt::ElideNone);
}

QStringList ListTexts(const ResultRow& row) {
    QStringList texts;
    texts.reserve(kListColumns);
    for (const std::string& text : ResultListColumns(row)) texts << QString::fromStdString(text);
    return texts;
}

ResultListRows::ResultListRows(QTreeWidget& list) : m_list(list) {}

ResultListRows::~ResultListRows() { Flush(); }

void ResultListRows::ClearResultList() {
    qDeleteAll(m_pending);
    m_pending.clear();
    m_list.clear();
}

void ResultListRows::AddResultRow(const ResultRow& row) {
    m_pending.append(new QTreeWidgetItem(ListTexts(row)));
}

void ResultListRows::Flush() {
    if (m_pending.isEmpty()) return;
    m_list.addTopLevelItems(m_pending);
    m_pending.clear();
}

QString CopyText(const QStringList& headers, const QList<QStringList>& rows) {
    QString text = headers.join(u'\t') + u'\n';
    for (const QStringList& row : rows) text += row.join(u'\t') + u'\n';
    return text;
}

QString CopyTextOfList(const QTreeWidget& list) {
    const int columns = list.columnCount();
    const auto textsOf = [columns](const QTreeWidgetItem& item) {
        QStringList texts;
        for (int column = 0; column < columns; ++column) texts << item.text(column);
        return texts;
    };

    QStringList headers = textsOf(*list.headerItem());
    QList<QStringList> selected, all;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem& item = *list.topLevelItem(i);
        all << textsOf(item);
        if (item.isSelected()) selected << all.back();
    }
    return CopyText(headers, selected.isEmpty() ? all : selected);
}

}  // namespace tavrel::ui
