// An English text with its translation, redone when the language changes.
#include "i18n/translated_string.h"

#include <set>

#include "i18n/translator.h"

namespace zorvanel {
namespace {

// Set once the registry has been destroyed at process exit: strings that
// live in other static objects may be destroyed after it and must not touch
// it then. A plain bool is still readable at that point.
bool g_registry_gone = false;

struct Registry {
  ~Registry() { g_registry_gone = true; }
  std::set<TranslatedString*> members;
};

Registry& GetRegistry() {
  static Registry registry;
  return registry;
}

void Register(TranslatedString* s) {
  if (!g_registry_gone) GetRegistry().members.insert(s);
}

void Unregister(TranslatedString* s) {
  if (!g_registry_gone) GetRegistry().members.erase(s);
}

}  // namespace

TranslatedString::TranslatedString() { Register(this); }

TranslatedString::TranslatedString(const std::string& key)
    : text_(Translate(key)), key_(key) {
  Register(this);
}

TranslatedString::TranslatedString(const TranslatedString& other)
    : text_(other.text_), key_(other.key_) {
  Register(this);
}

TranslatedString& TranslatedString::operator=(const TranslatedString& other) {
  text_ = other.text_;
  key_ = other.key_;
  return *this;
}

TranslatedString::~TranslatedString() { Unregister(this); }

void TranslatedString::SetKey(const std::string& key) {
  key_ = key;
  text_ = Translate(key_);
}

void TranslatedString::Retranslate() { text_ = Translate(key_); }

void RetranslateAll() {
  if (g_registry_gone) return;
  for (TranslatedString* s : GetRegistry().members) s->Retranslate();
}

size_t TranslatedStringCount() {
  return g_registry_gone ? 0 : GetRegistry().members.size();
}

}  // namespace zorvanel
