#pragma once
// A worker's answer, posted to a window with the number of the request it
// answers; the window's thread takes it over between messages. The shape of
// every wait the window hands off: a listing, a launch, a file read.
#include "work_queue.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

template <typename T>
struct PostedAnswer {
    uint32_t request = 0;
    T value{};
};

namespace posted_answer_detail {

// Posts the answer; a window already gone takes no message, and the answer is freed here.
template <typename T>
void post(HWND window, UINT message, std::unique_ptr<PostedAnswer<T>> answer) {
    if (PostMessageW(window, message, answer->request, reinterpret_cast<LPARAM>(answer.get()))) {
        answer.release();
    } else {
        endWork();
    }
}

template <typename T>
Job answering(HWND window, UINT message, uint32_t request, std::function<T()> work) {
    return [window, message, request, work = std::move(work)] {
        auto answer = std::make_unique<PostedAnswer<T>>();
        answer->request = request;
        // A failure answers with the empty value, so the window never waits for ever.
        try {
            answer->value = work();
        } catch (...) {
            answer->value = T{};
        }
        post(window, message, std::move(answer));
    };
}

} // namespace posted_answer_detail

// Runs work on a thread of its own and posts what it returns as message
// (wParam: the request, lParam: the answer for takeAnswer).
template <typename T>
void answerOnWorker(HWND window, UINT message, uint32_t request, std::function<T()> work) {
    beginWork();
    try {
        runDetached(posted_answer_detail::answering<T>(window, message, request, std::move(work)));
    } catch (...) {
        endWork(); // no thread to be had: no answer will come
    }
}

// The same, behind the jobs already queued: answers come in the order asked.
template <typename T>
void answerFromQueue(WorkQueue& queue, HWND window, UINT message, uint32_t request, std::function<T()> work) {
    beginWork();
    try {
        queue.post(posted_answer_detail::answering<T>(window, message, request, std::move(work)));
    } catch (...) {
        endWork();
    }
}

// Posts a value found elsewhere the same way: a writer's report, or a first
// answer from inside a job that the window can show while the rest still waits.
template <typename T>
void postAnswer(HWND window, UINT message, uint32_t request, T value) {
    beginWork();
    try {
        auto answer = std::make_unique<PostedAnswer<T>>();
        answer->request = request;
        answer->value = std::move(value);
        posted_answer_detail::post(window, message, std::move(answer));
    } catch (...) {
        endWork();
    }
}

// Every posted answer is taken exactly once, wanted or not, so that it is freed.
template <typename T>
std::unique_ptr<PostedAnswer<T>> takeAnswer(LPARAM lParam) {
    if (!lParam) return nullptr;
    endWork();
    return std::unique_ptr<PostedAnswer<T>>(reinterpret_cast<PostedAnswer<T>*>(lParam));
}

