#include "faulty_machine.h"

namespace votrana::testing {

namespace {

class FaultyFile final : public File {
public:
    FaultyFile(FaultyMachine& machine, std::unique_ptr<File> file) : machine_(machine), file_(std::move(file)) {}

    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override
    {
        return machine_.failsNow() ? std::nullopt : file_->read(buffer);
    }
    bool write(std::span<const std::uint8_t> bytes) override
    {
        // A disk that fills up takes part of the bytes before it refuses.
        if (machine_.writeFailsNow()) {
            if (!machine_.dead()) {
                file_->write(bytes.first(bytes.size() / 2));
            }
            return false;
        }
        noteUnsynced(true);
        return file_->write(bytes);
    }
    bool seek(std::uint64_t offset) override { return !machine_.failsNow() && file_->seek(offset); }
    std::optional<std::uint64_t> size() override { return machine_.failsNow() ? std::nullopt : file_->size(); }
    void writeBehind() override { file_->writeBehind(); }
    bool sync() override
    {
        const bool synced = !machine_.failsNow() && file_->sync();
        noteUnsynced(!synced);
        return synced;
    }
    std::optional<FileIdentity> identity() override { return file_->identity(); }
    bool setPermissions(std::uint32_t bits) override { return !machine_.failsNow() && file_->setPermissions(bits); }
    // The system closes the files of a killed process too; what was written stays.
    bool close() override
    {
        const bool fails = machine_.failsNow();
        return file_->close() && !fails;
    }

private:
    void noteUnsynced(bool unsynced)
    {
        if (const std::optional<FileIdentity> identity = file_->identity()) {
            const std::pair key{identity->device, identity->node};
            if (unsynced) {
                machine_.unsynced.insert(key);
            } else {
                machine_.unsynced.erase(key);
            }
        }
    }

    FaultyMachine& machine_;
    std::unique_ptr<File> file_;
};

}  // namespace

std::unique_ptr<File> FaultyMachine::wrapped(std::unique_ptr<File> file)
{
    return file ? std::make_unique<FaultyFile>(*this, std::move(file)) : nullptr;
}

}  // namespace votrana::testing
