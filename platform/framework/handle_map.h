// Which framework wrapper stands for a handle. A wrapper that owns its
// object is "permanent" and registered while attached; a handle without
// one gets a "temporary" wrapper made on demand that never deletes the
// object. Temporaries live until their object dies, so a pointer the
// program keeps (the bitmap a DC held before, say) stays valid exactly as
// long as the object it stands for.
#pragma once

#include <functional>
#include <map>
#include <memory>

namespace framework {

template <class Wrapper>
class HandleMap {
 public:
  using Factory = std::function<std::unique_ptr<Wrapper>(void* handle)>;
  using IsLive = std::function<bool(void* handle)>;

  explicit HandleMap(IsLive isLive) : isLive_(std::move(isLive)) {}
  ~HandleMap() {
    for (auto& [handle, wrapper] : temporaries_) Wrapper::ForgetHandle(*wrapper);
  }

  // False when another wrapper owns the handle already.
  bool Register(void* handle, Wrapper* owner) { return permanent_.emplace(handle, owner).second; }

  void Unregister(void* handle, const Wrapper* owner) {
    auto found = permanent_.find(handle);
    if (found != permanent_.end() && found->second == owner) permanent_.erase(found);
  }

  Wrapper* FindPermanent(void* handle) const {
    auto found = permanent_.find(handle);
    return found == permanent_.end() ? nullptr : found->second;
  }

  // The permanent wrapper, else a temporary one (made by make, which may
  // return nullptr for handles it cannot wrap).
  Wrapper* Find(void* handle, const Factory& make) {
    if (!handle) return nullptr;
    DropDeadTemporaries();
    if (Wrapper* owner = FindPermanent(handle)) return owner;
    if (auto found = temporaries_.find(handle); found != temporaries_.end())
      return found->second.get();
    std::unique_ptr<Wrapper> made = make(handle);
    Wrapper* result = made.get();
    if (made) temporaries_.emplace(handle, std::move(made));
    return result;
  }

 private:
  void DropDeadTemporaries() {
    for (auto it = temporaries_.begin(); it != temporaries_.end();) {
      if (isLive_(it->first)) {
        ++it;
      } else {
        Wrapper::ForgetHandle(*it->second);
        it = temporaries_.erase(it);
      }
    }
  }

  IsLive isLive_;
  std::map<void*, Wrapper*> permanent_;
  std::map<void*, std::unique_ptr<Wrapper>> temporaries_;
};

}  // namespace framework
