// overlays resources: what the module brings to the window system.
//   overlays resources              its registered messages with their numbers,
//                                   then its dialog templates and bitmaps
//   overlays resources --dialog ID  one template control by control

#include <iostream>
#include <string>

#include "Host.h"
#include "frame/FormatText.h"
#include "frame/MessageNames.h"
#include "frame/ModuleEntry.h"
#include "platform/ui/RegisteredMessages.h"

namespace host {
namespace {

constexpr const char* kKindNames[] = {"static",   "button",   "edit",     "combo box", "extended combo box",
                                      "list box", "list view", "progress", "tab",       "rich edit"};

void PrintMessages() {
  std::cout << "Registered messages\n";
  for (auto name : messages::kAll)
    std::cout << FormatText("  0x%04X  ", platform::ui::RegisterWindowMessage(name)) << name << "\n";
}

void PrintResources() {
  const platform::ui::ResourceModule& module = module_entry::ModuleResources();
  std::cout << "Dialog templates\n";
  for (const platform::ui::DialogTemplate* dialog : module.Dialogs())
    std::cout << FormatText("  %5u  %4d x %-4d %3zu controls  ", dialog->id, dialog->rect.cx, dialog->rect.cy,
                            dialog->items.size())
              << Out(std::string(dialog->caption)) << "\n";
  std::cout << "Bitmaps\n";
  for (const platform::ui::BitmapResource* bitmap : module.Bitmaps())
    std::cout << FormatText("  %5u  %4d x %d\n", bitmap->id, bitmap->width, bitmap->height);
}

void PrintDialog(unsigned id) {
  const platform::ui::DialogTemplate* dialog = module_entry::ModuleResources().FindDialog(id);
  if (!dialog) throw CommandError(FormatText("no dialog template %u in the module", id));
  std::cout << FormatText("%u \"", dialog->id) << Out(std::string(dialog->caption))
            << FormatText("\" %d x %d dialog units\n", dialog->rect.cx, dialog->rect.cy);
  for (const platform::ui::DialogItemTemplate& item : dialog->items)
    std::cout << FormatText("  %6d  %-18s %4d,%-4d %4d x %-4d style 0x%08X  \"", item.id,
                            kKindNames[static_cast<int>(item.kind)], item.rect.x, item.rect.y, item.rect.cx,
                            item.rect.cy, item.style)
              << Out(std::string(item.text)) << "\"\n";
}

}  // namespace

void AddResourcesCommand(CLI::App& app, const Options&) {
  auto* command = app.add_subcommand("resources", "List the module's registered messages, dialog templates and bitmaps");
  auto dialog = std::make_shared<unsigned>(0);
  command->add_option("--dialog", *dialog, "Show one dialog template control by control");
  command->callback([dialog] {
    if (*dialog) return PrintDialog(*dialog);
    PrintMessages();
    PrintResources();
  });
}

}  // namespace host
