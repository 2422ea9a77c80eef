#pragma once
// The Phrase-book menu's chooser: the topics of a pair's folder by their full names, each with
// its number of phrases, how many are due today and the share known, from the memory.

#include <QDialog>

#include <string>
#include <vector>

class QTreeWidget;

// One topic: its phrase file and what the memory says of it in a direction.
struct STopicRow {
    std::string path; // the phrase file
    QString name;     // its name without ".mix"
    int phrases = 0;
    int due = 0;   // reviewed and due today or earlier
    int known = 0; // reviewed and not yet due again
};

// The topics of folder (every "*.mix", by name) with their memory in direction.
std::vector<STopicRow> TopicRows(const std::string& folder, int direction);

class CTopicChooser : public QDialog {
    Q_OBJECT
public:
    CTopicChooser(const QString& pair, std::vector<STopicRow> rows, QWidget* parent);
    // The topic chosen (Enter, a double click or Open); empty before.
    const std::string& Chosen() const { return m_Chosen; }
    QTreeWidget* List() const { return m_pList; }

private:
    void Take();

    std::vector<STopicRow> m_Rows;
    QTreeWidget* m_pList;
    std::string m_Chosen;
};
