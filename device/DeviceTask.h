// The exchanges that one device needs, run one after another on the event
// loop: tolvoctl's commands and the window's sending to many devices.
#pragma once

#include "DeviceLink.h"
#include "DeviceMove.h"
#include "Transcript.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class DeviceProbe;

class DeviceTask : public QObject {
    Q_OBJECT
public:
    using Start = std::function<void(DeviceConnection&)>;

    DeviceTask(uint32_t address, quint16 port, int timeoutMs);

    // Adds a step: what it does, as a message of CoreMessages.h ("reading"), and
    // how it starts its operation on the connection.
    void Then(const char* doing, Start start);
    // Adds the step that opens the task's connection (closing any before).
    void AddConnect();
    // Adds the steps that connect and read the rows given (all when none).
    void ConnectAndRead(DeviceSettings& into, const std::vector<ParamRow>& only = {});
    // Adds the steps that send what makePush gives (from the settings read
    // before; kept in sent), then the apply command, and read the rows sent
    // back into after, on the same connection; when the device left the
    // apply or the read-back unanswered (it may restart on applying), the
    // rows given (all when none) are read on a new connection, unless
    // readAgain is false (see readBackCut()). When the push holds no row
    // nothing is sent, not even the apply, and after is before.
    // When what is sent moves the device (DeviceMove.h), the read-back that
    // did not end is done where the device is found: at its new static
    // address or its old one, whichever answers first within moveWaitMs;
    // none answering ends the task with DEVICE_NOT_SEEN_SINCE.
    void PushAndReadBack(std::function<DeviceSettings()> makePush,
                         const std::vector<ParamRow>& only = {}, bool readAgain = true);
    // The bound on the wait for a device that the push moves.
    void SetMoveWait(int ms) { m_moveWaitMs = ms; }
    int moveWaitMs() const { return m_moveWaitMs; }
    // Ends the step under way without an operation: the next step follows.
    void Skip();
    // Records the task's exchanges from now on (see transcript()).
    void KeepTranscript() { m_link.SetTranscript(&m_transcript); }
    const Transcript& transcript() const { return m_transcript; }
    // Runs the steps; done() follows the last, or the first that failed,
    // but for a connect that lackedResources(): that ends with
    // connectionLacked() instead, and the task may be run again.
    void Run();
    // Ends the task: the operation under way is cut off and no other step
    // starts; the task fails with DEVICE_CANCELLED, or, once the apply
    // command went out, ends with its read-back cut (readBackCut();
    // applyUnconfirmed() when its answer had not come). A task cancelled
    // before it runs (a runner may hold it back for a descriptor) ends at
    // its first step, having sent nothing.
    void Cancel();
    // Whether the task was run and has not yet ended.
    bool running() const { return m_running; }

    uint32_t address() const { return m_address; }
    QString addressText() const;
    // Where the push's settings move the device (kind None: they do not).
    const DeviceMove& move() const { return m_move; }
    // The address the read-back after the apply was made at: address(), or
    // the one the device was found at after a move.
    uint32_t verifiedAt() const { return m_readAt; }
    // The serial number of another device that answered where this one was
    // looked for after a move (the task then ended DEVICE_NOT_SEEN_SINCE);
    // null when none did.
    const QString& otherSerial() const { return m_otherSerial; }
    bool ok() const { return m_failure == DEVICE_OK; }
    DeviceResult failure() const { return m_failure; }
    const char* failedDoing() const { return m_failedDoing; }
    // The apply command of a push was sent but not answered.
    bool applyUnconfirmed() const { return m_applyUnconfirmed; }
    // Whether a push was sent (false when it held no row).
    bool pushed() const { return m_pushed; }
    // The push's read-back did not end on its connection (the apply or a
    // read was unanswered) and was not read again: after is incomplete.
    bool readBackCut() const { return m_readBackCut; }
    // The bound on each wait for the device, and the socket's own words for
    // a DEVICE_SOCKET_ERROR.
    int timeoutMs() const { return m_link.timeoutMs(); }
    QString errorText() const { return m_link.errorText(); }
    // Whether the device answered anything: a failed task that never got a
    // reply did not reach the device (refused, no route, silent).
    bool answered() const { return m_answered; }
    // Whether the task failed to connect for lack of this computer's
    // resources (no descriptor for a socket), before its device answered
    // anything: this computer's fault, not the device's.
    bool lackedResources() const
    {
        return m_failure == DEVICE_CONNECT_FAILED && !m_answered && m_link.lackedResources();
    }

    // What the steps read and what a command concludes, kept with the task.
    DeviceSettings before;
    DeviceSettings sent; // what the push held
    DeviceSettings after;
    QStringList findings;

signals:
    // A step begins: what it does, as given to Then.
    void stepStarted(const char* doing);
    // Exchanges done of the step's total.
    void progress(int done, int total);
    void done();
    // The task could not connect for lack of this computer's resources, and
    // sent nothing: not done, but to be run again (TaskRunner does).
    void connectionLacked();

private:
    void Next();
    void FindAndRead(const std::vector<ParamRow>& only);
    void CheckIdentity();
    void Fail(DeviceResult result, const char* doing);
    void EndCancelled(const char* doing);

    uint32_t m_address;
    uint32_t m_readAt; // where the connect steps connect to
    quint16 m_port;
    int m_moveWaitMs = MOVE_WAIT_MS;
    DeviceMove m_move;
    QString m_otherSerial;
    Transcript m_transcript;
    DeviceConnection m_link;
    // A deque: a step may add steps while it runs, which must not move it.
    std::deque<std::pair<const char*, Start>> m_steps;
    std::size_t m_next = 0;
    DeviceResult m_failure = DEVICE_OK;
    const char* m_failedDoing = "";
    bool m_applyUnconfirmed = false;
    bool m_readBackCut = false; // the push's read-back did not end
    bool m_pushed = false;
    bool m_answered = false;
    bool m_running = false;
    bool m_cancelled = false;
    QPointer<DeviceProbe> m_probe; // while looking for a moved device
};

using DeviceTasks = std::vector<std::unique_ptr<DeviceTask>>;
