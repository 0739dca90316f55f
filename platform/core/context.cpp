#include "platform/core/context.h"

namespace platform {

Context& Context::Get() {
  static Context context;
  return context;
}

Context::~Context() { Reset(); }

void Context::Reset() {
  while (!services_.empty()) {
    // Pop before destroying, so a dying service that looks up another one
    // does not find itself.
    auto last = std::move(services_.back().second);
    services_.pop_back();
    last.reset();
  }
}

Service* Context::Find(std::type_index type) const {
  for (const auto& [key, service] : services_)
    if (key == type) return service.get();
  return nullptr;
}

void Context::Add(std::type_index type, std::unique_ptr<Service> service) {
  services_.emplace_back(type, std::move(service));
}

}  // namespace platform
