// The yardstick for the window program's start-up: a bare Qt dialog of the
// same shape (an address field, four tabs, 33 fields in all) that links Qt
// Network as the program does, and does nothing else.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTcpSocket>
#include <QVBoxLayout>

namespace {

// A page with edits line edits and lists combo boxes.
QWidget* Page(int edits, int lists)
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    for (int i = 0; i < edits; ++i)
        form->addRow(QString("Field %1:").arg(i), new QLineEdit);
    for (int i = 0; i < lists; ++i) {
        auto* list = new QComboBox;
        list->setEditable(true);
        list->addItems({"One", "Two", "Three"});
        form->addRow(QString("List %1:").arg(i), list);
    }
    return page;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("Bare dialog");
    QTcpSocket socket(&dialog); // Qt Network, linked and loaded as the program's
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(Page(4, 0)); // the address: four fields
    auto* tabs = new QTabWidget;
    tabs->addTab(Page(0, 0), "Info");
    tabs->addTab(Page(13, 2), "WiFi");
    tabs->addTab(Page(0, 8), "Port Settings");
    tabs->addTab(Page(3, 3), "Port Routing");
    layout->addWidget(tabs);
    for (const char* text : {"Load", "Save", "Exit"})
        layout->addWidget(new QPushButton(QString::fromLatin1(text)));
    dialog.show();
    return app.exec();
}
