#include "shell/act_driver.h"

namespace af::shell {

ActDriver::ActDriver(const QWidget& window, Model& model, Listener listener)
    : model_(model), listener_(std::move(listener)), pacer_(window, [this] { next_frame(); }) {}

void ActDriver::act(const Act& act) {
    waiting_.push(act);
    if (!run_) apply_waiting();
}

void ActDriver::apply_waiting() {
    while (!run_) {
        const std::optional<ActQueue::Next> next = waiting_.take();
        if (!next) {
            listener_.idle();
            return;
        }
        if (next->act.kind == Act::Kind::Run && next->shown) {
            listener_.began(next->act);
            before_run_ = model_.state;
            run_.emplace(model_);
            pacer_.begin_run();
            next_frame();
            return;
        }
        // A run that a later waiting run makes moot is applied at once, unseen.
        if (next->shown) listener_.began(next->act);
        const State before = model_.state;
        const ActResult result = apply(model_, next->act);
        listener_.applied(before, next->act, result, next->shown);
    }
}

void ActDriver::next_frame() {
    if (!run_) return;
    if (!run_->another()) {
        end_run();
        return;
    }
    run_->step();
    listener_.frame_drawn();
    pacer_.frame_shown();
}

void ActDriver::end_run() {
    run_->end();
    run_.reset();
    pacer_.stop();
    listener_.applied(before_run_, run_act(), {true, true}, true);
    apply_waiting();
}

void ActDriver::stop() {
    waiting_.clear();
    if (run_) {
        run_->end();
        run_.reset();
    }
    pacer_.stop();
}

}  // namespace af::shell
