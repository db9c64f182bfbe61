#include "core/acts/act_runner.h"

namespace af {

ActRunner::ActRunner(Model& model, Listener listener) : model_(model), listener_(std::move(listener)) {}

void ActRunner::act(const Act& act) {
    waiting_.push(act);
    if (!run_) apply_waiting();
}

void ActRunner::apply_waiting() {
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
            frame_due();
            return;
        }
        // A run that a later waiting run makes moot is applied at once, unseen.
        if (next->shown) listener_.began(next->act);
        const State before = model_.state;
        const ActResult result = apply(model_, next->act);
        listener_.applied(before, next->act, result, next->shown);
    }
}

void ActRunner::frame_due() {
    if (!run_) return;
    if (!run_->another()) {
        end_run();
        return;
    }
    run_->step();
    listener_.frame_drawn();
}

void ActRunner::end_run() {
    run_->end();
    run_.reset();
    listener_.applied(before_run_, run_act(), {true, true}, true);
    apply_waiting();
}

void ActRunner::stop() {
    waiting_.clear();
    if (!run_) return;
    run_->end();
    run_.reset();
}

}  // namespace af
