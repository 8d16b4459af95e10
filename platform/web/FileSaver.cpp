#include "platform/web/FileSaver.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

using emscripten::EM_VAL;

// Saves a copy of the bytes, taken at once, through the browser's save
// picker, or as a download where it has none or refuses it before a file is
// chosen (no user activation). `failed` gets `saving` (the window that saved), the file's name and
// the browser's reason when a chosen file could not be written.
// clang-format off
EM_JS(void, korvanel_save_file, (const char* name, size_t nameLength, const char* description,
                                 size_t descriptionLength, const char* extension,
                                 size_t extensionLength, const char* mediaType,
                                 size_t mediaTypeLength, const char* bytes, size_t length,
                                 EM_VAL saving, EM_VAL failed), {
  const suggestedName = UTF8ToString(name, nameLength);
  const type = UTF8ToString(mediaType, mediaTypeLength);
  const blob = new Blob([HEAPU8.slice(bytes, bytes + length)], {type});
  const saver = Emval.toValue(saving);
  const tell = Emval.toValue(failed);
  const download = () => {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = suggestedName;
    link.click();
    // Long enough for the browser to have taken the download.
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  };
  if (typeof window.showSaveFilePicker !== "function") {
    download();
    return;
  }
  const accept = {};
  accept[type] = ["." + UTF8ToString(extension, extensionLength)];
  let chosen = null;
  window.showSaveFilePicker({
    suggestedName,
    types: [{description: UTF8ToString(description, descriptionLength), accept}],
  }).then(async (file) => {
    chosen = file;
    const writable = await file.createWritable();
    try {
      await writable.write(blob);
      await writable.close();
    } catch (error) {
      await writable.abort().catch(() => {});
      throw error;
    }
  }).catch((error) => {
    if (error && error.name === "AbortError" && !chosen) return;
    if (!chosen) {
      download();
      return;
    }
    tell([saver, chosen.name, String(error && error.message || error)]);
  });
});
// clang-format on

namespace korvanel::web {

bool WebFileSaver::Save(std::string_view suggestedName, const FileType& type,
                        std::string_view bytes) {
  korvanel_save_file(suggestedName.data(), suggestedName.size(), type.description.data(),
                     type.description.size(), type.extension.data(), type.extension.size(),
                     type.mediaType.data(), type.mediaType.size(), bytes.data(), bytes.size(),
                     window_.as_handle(), failed_.as_handle());
  return true;
}

std::string SaveFailure(std::string_view file, std::string_view reason) {
  std::string text =
      "The file " + std::string(file) + " could not be saved: " + std::string(reason);
  // The browser's reason is often a sentence of its own.
  if (!text.ends_with('.')) text += '.';
  return text;
}

}  // namespace korvanel::web
