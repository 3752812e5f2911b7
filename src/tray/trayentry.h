#pragma once

// The tray module's entry points. The launcher, which links no Qt, loads the module with
// dlopen and looks them up by these names, so they are plain C functions.

// The names are the module's ABI.
// NOLINTBEGIN(readability-identifier-naming)
extern "C" {

// The launcher's texts in the user's language. Valid until the next call.
__attribute__((visibility("default"))) const char* sentari_tray_text(const char* context,
                                                                     const char* english);
// The tray program, or --change-quote's call to the running one.
__attribute__((visibility("default"))) int sentari_tray_main(int argc, char** argv);
}
// NOLINTEND(readability-identifier-naming)
