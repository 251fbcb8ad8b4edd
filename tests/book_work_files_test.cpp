// File operations on the working folder.

#include "book/work_files.h"
#include "support/temp_workdir.h"

#include <QDir>
#include <unistd.h>

namespace {

using WorkFiles = TempWorkdir;

TEST_F(WorkFiles, ExistsOnlyForFilesOfTheExactName) {
    EXPECT_FALSE(file_exists("allitem.sne"));
    write_bytes("allitem.sne", "x");
    EXPECT_TRUE(file_exists("allitem.sne"));
    EXPECT_FALSE(file_exists("ALLITEM.SNE"));
    EXPECT_FALSE(file_exists("Allitem.sne"));
    ASSERT_TRUE(QDir().mkdir("allitem.hrm"));
    EXPECT_FALSE(file_exists("allitem.hrm"));
}

TEST_F(WorkFiles, DeleteAndRename) {
    EXPECT_TRUE(delete_file("missing"));
    write_bytes("a", "first");
    write_bytes("b", "second");
    EXPECT_TRUE(rename_file("a", "b")); // replaces the target
    EXPECT_FALSE(exists("a"));
    EXPECT_EQ(read_bytes("b"), QByteArray("first"));
    EXPECT_FALSE(rename_file("a", "c"));
    EXPECT_TRUE(delete_file("b"));
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(WorkFiles, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
    write_bytes("allitem.dat", "old");
    EXPECT_EQ(write_file_atomically("allitem.dat", "new contents"), WriteResult::Ok);
    EXPECT_EQ(read_bytes("allitem.dat"), QByteArray("new contents"));
    EXPECT_EQ(write_file_atomically("empty", QByteArray()), WriteResult::Ok);
    EXPECT_EQ(files(), (QStringList{"allitem.dat", "empty"}));
    QByteArray back;
    EXPECT_TRUE(read_whole_file("allitem.dat", back));
    EXPECT_EQ(back, QByteArray("new contents"));
    EXPECT_FALSE(read_whole_file("missing", back));
}

// After a kill between the two renames of a save, "allitem.bak" and
// "allitem.hrm" can be one file; the next copy's rename then does nothing,
// and its temporary name must still go.
TEST_F(WorkFiles, ACopyOntoTheSameFileLeavesNoTemporaryName) {
    write_bytes("allitem.hrm", "book");
    ASSERT_EQ(::link("allitem.hrm", "allitem.bak"), 0);
    EXPECT_EQ(keep_copy("allitem.hrm", "allitem.bak"), WriteResult::Ok);
    EXPECT_EQ(files(), (QStringList{"allitem.bak", "allitem.hrm"}));
}

TEST_F(WorkFiles, AtomicWriteIntoAMissingFolderFails) {
    EXPECT_EQ(write_file_atomically("no/such/folder/f", "x"), WriteResult::Failed);
    EXPECT_TRUE(files().isEmpty());
}

} // namespace
