#pragma once

// The pseudo-terminal the stand-in device sits behind: the tool opens the slave side as its
// serial port; the device reads and writes the master side.

#include <string>

class CPty {
public:
    CPty() = default;
    ~CPty();
    CPty(const CPty &) = delete;
    CPty &operator=(const CPty &) = delete;

    bool Open(std::string &error);
    void Close();
    bool IsOpen() const { return m_nMaster >= 0; }
    int MasterFd() const { return m_nMaster; }
    const std::string &SlavePath() const { return m_strSlave; }

    // Whether anyone holds the slave side open (the tool has the port open).
    bool PeerOpen() const;
    // Bytes the tool has written that the device has not read yet.
    int Available() const;
    // Drops what the tool wrote and the device did not take, and what the device wrote and
    // the tool never read, so that the next open starts on a clean line.
    void DiscardPending();

private:
    int m_nMaster = -1;
    std::string m_strSlave;
};
