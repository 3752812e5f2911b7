#pragma once

#if defined(_WIN32)
#if defined(SENTARISTORE_BUILDING)
#define SENTARISTORE_EXPORT __declspec(dllexport)
#else
#define SENTARISTORE_EXPORT __declspec(dllimport)
#endif
#else
#define SENTARISTORE_EXPORT __attribute__((visibility("default")))
#endif
