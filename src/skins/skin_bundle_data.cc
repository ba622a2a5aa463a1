// The skin bundle drawn by zv_skingen at build time, linked in as read-only
// data between zv_skin_bundle_begin and zv_skin_bundle_end. The build passes
// the bundle's path in ZV_SKIN_BUNDLE_PATH and recompiles this file when the
// bundle changes.
#ifndef ZV_SKIN_BUNDLE_PATH
#error "ZV_SKIN_BUNDLE_PATH must name the generated skin bundle"
#endif

asm(".pushsection .rodata.zv_skin_bundle, \"a\"\n"
    ".balign 16\n"
    ".global zv_skin_bundle_begin\n"
    ".type zv_skin_bundle_begin, @object\n"
    "zv_skin_bundle_begin:\n"
    ".incbin \"" ZV_SKIN_BUNDLE_PATH
    "\"\n"
    ".global zv_skin_bundle_end\n"
    ".type zv_skin_bundle_end, @object\n"
    "zv_skin_bundle_end:\n"
    ".byte 0\n"
    ".popsection\n");
