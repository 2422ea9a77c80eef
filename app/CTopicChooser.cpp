#include "app/CTopicChooser.h"

#include "app/WindowTexts.h"
#include "engine/MemoryKeeper.h"
#include "platform/PlatFs.h"
#include "qttext/CodePageText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

std::vector<STopicRow> TopicRows(const std::string& folder, int direction)
{
    std::vector<STopicRow> rows;
    std::vector<std::string> names;
    if (!plat::ListDir(folder, "*.mix", names))
        return rows;
    const long long today = keeper::Today();
    for (const std::string& name : names) {
        STopicRow row;
        row.path = folder + "/" + name;
        row.name = FromPath(name.substr(0, name.size() - 4));
        std::vector<keeper::SPhraseMemory> phrases;
        std::string error;
        if (keeper::PhrasesOf(row.path, direction, phrases, error)) {
            row.phrases = static_cast<int>(phrases.size());
            for (const keeper::SPhraseMemory& p : phrases) {
                if (p.fresh)
                    continue;
                ++(p.dueDay <= today ? row.due : row.known);
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

CTopicChooser::CTopicChooser(const QString& pair, std::vector<STopicRow> rows, QWidget* parent)
    : QDialog(parent), m_Rows(std::move(rows)), m_pList(new QTreeWidget(this))
{
    setObjectName("TopicChooser");
    setWindowTitle(LclText(612, "Phrase-book: %1").arg(pair));
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setHeaderLabels(
        {LclText(613, "Topic"), LclText(614, "Phrases"), LclText(615, "Due today"), LclText(616, "Known")});
    for (const STopicRow& row : m_Rows) {
        const int share = row.phrases > 0 ? (row.known * 100 + row.phrases / 2) / row.phrases : 0;
        auto* item = new QTreeWidgetItem(
            m_pList, {row.name, QString::number(row.phrases), QString::number(row.due), QString("%1 %").arg(share)});
        for (int c = 1; c < 4; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_pList->header()->setStretchLastSection(false);
    m_pList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 4; ++c)
        m_pList->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    if (m_pList->topLevelItemCount() > 0)
        m_pList->setCurrentItem(m_pList->topLevelItem(0));
    connect(m_pList, &QTreeWidget::itemActivated, this, [this] { Take(); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Open)->setText(LclText(617, "Open"));
    buttons->button(QDialogButtonBox::Cancel)->setText(LclText(122, "Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Take(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList);
    layout->addWidget(buttons);
    resize(560, 520);
}

void CTopicChooser::Take()
{
    const int at = m_pList->indexOfTopLevelItem(m_pList->currentItem());
    if (at < 0 || at >= static_cast<int>(m_Rows.size()))
        return;
    m_Chosen = m_Rows[static_cast<std::size_t>(at)].path;
    accept();
}
