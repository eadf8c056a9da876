#include "support/archive_builders.h"

#include "demo_archive.h"

const Archive& DemoArchive() {
    static const Archive demo = MakeDemoArchive();
    return demo;
}
