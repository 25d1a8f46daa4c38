#include "kml/KMLFileList.h"

#include "platform/text/CodePage.h"

CKMLFileList::CKMLFileList() = default;

int CKMLFileList::Find(const std::string& path) const {
  for (std::size_t i = 0; i < files_.size(); ++i)
    if (platform::text::EqualsIgnoringCase(files_[i]->GetPath(), path)) return static_cast<int>(i);
  return -1;
}

bool CKMLFileList::Add(const std::string& path) {
  if (Find(path) >= 0) return false;
  auto kml = std::make_unique<CKML>();
  const bool loaded = kml->Load(path);
  lastOutcome_ = kml->Outcome();
  if (!loaded) return false;
  files_.push_back(std::move(kml));
  modified = 1;
  names.FindOrAdd(path);
  names.Save();
  return true;
}

void CKMLFileList::RemoveAt(std::size_t index) {
  if (index >= files_.size()) return;
  files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(index));
  names.RemoveAt(index);
  names.Save();
}
