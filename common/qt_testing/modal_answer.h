#pragma once
// Answers the next modal dialog the way a player would, for tests that call code which opens
// one and waits for it. The answer is owned by the test: it watches only while it exists, so
// it never acts on a later test's dialog, and it turns each way of hanging into a failure:
// a dialog that never appears (the call returned without one), and a dialog the answer left
// open (it is closed so that the call returns).

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace test_support {

class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QDialog&)> act) : act_(std::move(act)) {
        // Polls from within the dialog's own event loop; the interval only paces the polling.
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    ~ModalAnswer() {
        timer_.stop();
        EXPECT_TRUE(acted_) << "no modal dialog appeared";
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

private:
    // Polls a dialog may stay open after the answer before it counts as left open.
    static constexpr int kPollsToClose = 200;

    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!acted_) {
            if (!dialog || !dialog->isVisible()) return;
            acted_ = true;
            answered_ = dialog;
            act_(*dialog);
            return;
        }
        if (!answered_ || !answered_->isVisible()) {
            timer_.stop();
        } else if (++pollsSinceAnswer_ > kPollsToClose) {
            ADD_FAILURE() << "the answered dialog stayed open";
            // done() rather than reject(): some dialogs refuse Esc by overriding reject().
            answered_->done(QDialog::Rejected);
            timer_.stop();
        }
    }

    std::function<void(QDialog&)> act_;
    QTimer timer_;
    bool acted_ = false;
    QPointer<QDialog> answered_;
    int pollsSinceAnswer_ = 0;
};

}  // namespace test_support
