#include "platform/core/context.h"

#include <atomic>

namespace platform {

Context& Context::Get() {
  static Context context;
  return context;
}

std::size_t Context::NewSlot() {
  static std::atomic<std::size_t> next{0};
  return next++;
}

void Context::Reset() {
  while (!created_.empty()) {
    // Unlisted before destroying, so a dying service that looks up another
    // one does not find itself.
    auto [slot, last] = std::move(created_.back());
    created_.pop_back();
    bySlot_[slot] = nullptr;
    last.reset();
  }
}

void Context::Add(std::size_t slot, std::unique_ptr<Service> service) {
  if (slot >= bySlot_.size()) bySlot_.resize(slot + 1, nullptr);
  bySlot_[slot] = service.get();
  created_.emplace_back(slot, std::move(service));
}

}  // namespace platform
