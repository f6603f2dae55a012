#pragma once

#include "host/HostServices.h"

#include <QWidget>

class Navigator;
struct EventStore;

// The countdown window.
class frmMain final : public QWidget
{
    Q_OBJECT

public:
    frmMain(const EventStore &store, const HostServices &host, Navigator &navigator,
        QWidget *parent = nullptr);

private:
    const EventStore &m_store;
    HostServices m_host;
    Navigator &m_navigator;
};
