#include "app/CPrintDialogs.h"

#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

bool CPrintDialogs::AskPrint(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_Parent);
    // The screen text is printed whole: there is no selection and no page range to pick.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

bool CPrintDialogs::AskSetup(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, m_Parent);
    return dialog.exec() == QDialog::Accepted;
}

void CPrintDialogs::ShowPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint)
{
    QPrintPreviewDialog dialog(&printer, m_Parent);
    dialog.setObjectName("PrintPreview");
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* p) { paint(p); });
    dialog.exec();
}

void CPrintDialogs::ShowProblem(const QString& text)
{
    QMessageBox::warning(m_Parent, m_Title(), text);
}
