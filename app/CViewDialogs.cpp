#include "app/CViewDialogs.h"

#include "app/WindowTexts.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace {
// "Mix- Files (*.mix)|*.mix|All Files (*.*)|*.*||" as Qt's "Mix- Files (*.mix);;All Files (*)".
QString QtFilter(const char* filter)
{
    const QStringList parts = QString::fromLatin1(filter ? filter : "").split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString pattern = parts[i + 1];
        pattern.replace("*.*", "*");
        QString desc = parts[i];
        desc.replace("*.*", "*");
        out << (desc.contains('(') ? desc : desc + " (" + pattern + ")");
    }
    return out.join(";;");
}

QString FromPath(const char* p)
{
    return QFile::decodeName(QByteArray(p ? p : ""));
}
} // namespace

bool CViewDialogs::AskOpenPath(const char* initialPath, const char* filter, std::string& path)
{
    const QString chosen = QFileDialog::getOpenFileName(m_Parent, PlainCaption(LclText(2, "&Open...")), FromPath(initialPath), QtFilter(filter));
    if (chosen.isEmpty())
        return false;
    path = QFile::encodeName(chosen).toStdString();
    return true;
}

bool CViewDialogs::AskSavePath(const char* defaultExt, const char* initialName, const char* filter, std::string& path)
{
    QFileDialog dialog(m_Parent, PlainCaption(LclText(3, "&Save Results As...")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QtFilter(filter));
    dialog.setDefaultSuffix(QString::fromLatin1(defaultExt ? defaultExt : ""));
    dialog.selectFile(FromPath(initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = QFile::encodeName(dialog.selectedFiles().first()).toStdString();
    return true;
}

bool CViewDialogs::ConfirmOverwrite(const std::vector<std::string>& existing)
{
    QStringList names;
    for (const std::string& e : existing)
        names << QFileInfo(FromPath(e.c_str())).fileName();
    const auto answer = QMessageBox::question(
        m_Parent, ProductTitle(),
        WndText(EWndText::FilesExist) + "\n" + names.join("\n") + "\n\n" + WndText(EWndText::ReplaceThem));
    return answer == QMessageBox::Yes;
}

void CViewDialogs::ShowFileProblem(FileProblem problem, const char* path)
{
    QString text;
    switch (problem) {
    case FileProblem::CannotOpen: text = WndText(EWndText::CannotOpen); break;
    case FileProblem::CannotSave: text = WndText(EWndText::CannotSave); break;
    case FileProblem::PathTooLong: text = WndText(EWndText::PathTooLong); break;
    }
    QMessageBox::warning(m_Parent, ProductTitle(), text + "\n" + FromPath(path));
}
