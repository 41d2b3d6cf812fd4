#include "orders/OrderRecord.h"

namespace selvana {

namespace {

using F = CellForm;

constexpr RecordColumn kOrder[] = {
    {u"nl_0", F::Shortest},  {u"nl_1", F::Year},   {u"nl_2", F::Text},      {u"nl_3", F::Date},
    {u"nl_4", F::Text},      {u"nl_5", F::Text},   {u"nl_6", F::Text},      {u"nl_7", F::Text},
    {u"nl_8", F::Text},      {u"nl_9", F::Lines},  {u"nl_10", F::Shortest}, {u"nl_11", F::Shortest},
    {u"nl_12", F::Shortest}, {u"nl_13", F::Text},  {u"nl_14", F::Text},     {u"nl_15", F::Text},
    {u"nl_16", F::Shortest}, {u"nl_17", F::Lines}, {u"nl_18", F::Lines},
};

constexpr RecordColumn kSettlement[] = {
    {u"nl_0", F::WriteOnly}, {u"nl_4", F::WriteOnly},
    {u"rc_2", F::Display},   {u"nl_7", F::WriteOnly},
    {u"rc_4", F::Text},      {u"rc_5", F::Text},
    {u"rc_6", F::Text},      {u"sg_tr_akontacija", F::Sheet},
    {u"rc_8", F::Display},   {u"sg_tr_dnevnice", F::Sheet},
    {u"nl_20", F::Display},  {u"sg_tr_prijevoz", F::Sheet},
    {u"nl_21", F::Display},  {u"sg_tr_ostali", F::Sheet},
    {u"nl_22", F::Display},  {u"nl_23", F::Display},
    {u"rc_16", F::Display},  {u"rc_17", F::Display},
    {u"rc_18", F::Text},     {u"rc_19", F::Text},
    {u"rc_20", F::Shortest},
};

static_assert(std::size(kOrder) == OrderColumn::Count);
static_assert(std::size(kSettlement) == 21);

} // namespace

std::span<const RecordColumn> orderColumns()
{
    return kOrder;
}
std::span<const RecordColumn> settlementColumns()
{
    return kSettlement;
}

} // namespace selvana
