#pragma once

#include "data/Connection.h"

// One user action = one transaction. The statements run between construction and commit()
// reach the database together or not at all: leaving the scope without commit() (an exception
// from any statement) rolls everything back. Scopes nest; the outermost decides.
class Action final
{
public:
    explicit Action(Connection *connection) : m_connection(connection) { m_connection->begin(); }
    ~Action()
    {
        if (!m_done)
            m_connection->rollback();
    }
    Action(const Action &) = delete;
    Action &operator=(const Action &) = delete;

    void commit()
    {
        m_done = true;
        m_connection->commit();
    }

private:
    Connection *m_connection;
    bool m_done = false;
};
