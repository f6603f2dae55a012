#pragma once

#include "host/HostServices.h"

#include <QWidget>

class Navigator;
struct EventStore;

// The settings dialog.
class frmConfig final : public QWidget
{
    Q_OBJECT

public:
    frmConfig(EventStore &store, const HostServices &host, Navigator &navigator,
        QWidget *parent = nullptr);

private:
    EventStore &m_store;
    HostServices m_host;
    Navigator &m_navigator;
};
