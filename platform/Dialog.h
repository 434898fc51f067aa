// A dialog built from a template: its controls are made from the template
// data, found by id, and exchanged with the dialog's members by UpdateData.
#pragma once

#include <QDialog>
#include <QHash>
#include <QMap>
#include <QStringList>

#include <functional>

class DataExchange;
struct DialogTemplate;

class Dialog : public QDialog {
    Q_OBJECT
public:
    // The window itself is made later, by Create (as a child) or DoModal.
    explicit Dialog(int templateId);

    int templateId() const { return m_templateId; }

    // Makes the window from the template as a child of parent, initialises
    // it and shows it. False when it could not be initialised.
    bool Create(QWidget* parent);
    // Makes the window as a top-level dialog and runs it until it is closed.
    int DoModal();

    // false: members to controls, never validating. true: controls to
    // members, validating; stops at the first failure, which it has shown.
    bool UpdateData(bool saveAndValidate);
    // Runs some of the exchange's steps, with the same effects as UpdateData.
    bool Exchange(bool saveAndValidate, const std::function<void(DataExchange&)>& steps);

    // What each control shows, in the order of their ids: texts, list
    // selections and addresses. Two equal lists mean nothing was changed.
    QStringList ControlValues() const;

    // The field whose check failed in the last exchange, or nullptr.
    QWidget* FailedControl() const { return m_failedControl; }

    // The control with this id, or nullptr before the window exists.
    QWidget* Control(int id) const { return m_controls.value(id); }
    template <class T> T* ControlAs(int id) const { return qobject_cast<T*>(Control(id)); }

    // Dialog units to pixels, from the template font's metrics, with the
    // room made for longer texts.
    QRect MapDialogRect(const QRect& units) const;

    // A language's texts may be longer than the controls made for English:
    // such a control gets the room it needs at its right edge, and whatever
    // lies right of that edge moves over (columns stay aligned), so the
    // dialog grows by what its longest texts need. Only translated texts
    // make room, so an English dialog keeps its template's geometry exactly.
    // How many pixels wider than its template the dialog has grown.
    int grownBy() const;
    // Makes control at least width pixels wide in the same way: for a window
    // that holds pages grown wider, or tabs that need it.
    void WidenControl(QWidget* control, int width);

protected:
    virtual void DoDataExchange(DataExchange& dx);
    // Runs once when the window has been made; fills the controls.
    virtual bool OnInitDialog();
    // The push button with this id was clicked. 1 (OK) reads the controls
    // and ends the run; 2 (Cancel) ends it.
    virtual void OnCommand(int id);
    // A page (a dialog laid inside another window) leaves Enter and Escape
    // to the window it lies in, as the platform's dialog manager does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Build();
    QWidget* MakeControl(const struct ControlTemplate& control);
    // Sets the size and every control's geometry from the template and the
    // room made.
    void Place();
    // Makes room until every control that shows a translated text shows it
    // uncut.
    void MakeRoomForTexts();
    // Pixels added left of or at x (template pixels).
    int RoomBefore(int x) const;

    struct Placed {
        QWidget* widget;
        QRect units;
        bool translated; // shows a text of a catalogue, not the template's own
    };

    const int m_templateId;
    const DialogTemplate& m_template;
    QHash<int, QWidget*> m_controls;
    QWidget* m_failedControl = nullptr;
    bool m_built = false;
    int m_baseX = 0;       // average character width in pixels
    int m_baseY = 0;       // character height in pixels
    QMap<int, int> m_room; // template pixel x -> pixels inserted there
    QList<Placed> m_placed;
};

// The application's main window: the owner of dialogs run without one.
// The accessible name a label gives its control: its text without the
// mnemonic marker and the trailing colon.
QString NameFromLabel(QString text);

void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// Standard command ids of push buttons (<windows.h> has the same as macros).
#ifndef IDOK
constexpr int IDOK = 1;
#endif
#ifndef IDCANCEL
constexpr int IDCANCEL = 2;
#endif
