// Attribute for functions a host calls directly. 32-bit hosts may call with a stack aligned to
// 4 bytes only, while SSE2 code expects 16: realign on entry there.
#pragma once

#if defined(__i386__)
#define KV_HOST_ENTRY __attribute__((force_align_arg_pointer))
#else
#define KV_HOST_ENTRY
#endif
