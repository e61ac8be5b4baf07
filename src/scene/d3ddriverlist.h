#pragma once
// The 3D drivers the program can render with: one entry per EGL device that
// runs OpenGL 3.3 core (at most eight), named by its OpenGL renderer string.
// A driver's "GUID" is its place in the EGL device list.
//
//   TD3DDriverList drivers;            // one for the program, made at start-up
//   QStringList names;
//   drivers.GetNames(names);           // for the driver dialog
//   bool hardware = false;
//   std::optional<int> device = drivers.Find(name, hardware); // exact, case-sensitive
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct TD3DDriver {
    int device = 0;        // EGL device index
    QString name;          // the device's OpenGL renderer string
    bool hardware = false; // not Mesa's software device
};

class TD3DDriverList {
public:
    static constexpr int MaxDrivers = 8;

    // Enumerates the EGL devices now.
    TD3DDriverList();
    // A list of given entries (the first eight), e.g. for tests.
    explicit TD3DDriverList(std::vector<TD3DDriver> drivers);
    TD3DDriverList(const TD3DDriverList&) = delete;
    TD3DDriverList& operator=(const TD3DDriverList&) = delete;
    ~TD3DDriverList();

    // Clears list and adds the names in table order.
    void GetNames(QStringList& list) const;
    // The first entry named exactly name: its device and hardware flag; none and false otherwise.
    std::optional<int> Find(const QString& name, bool& hardware) const;
    int count() const { return static_cast<int>(drivers_.size()); }
    const TD3DDriver& entry(int index) const { return drivers_.at(index); }

    // The program's list: the most recently made one that still exists, or null.
    static TD3DDriverList* instance();

private:
    std::vector<TD3DDriver> drivers_;
    TD3DDriverList* previous_ = nullptr;
};
