// Request records as they arrive from another process: any bytes in every
// field, text fields with or without their NUL. Covers the reading of those
// fields (the bounded text operations, the warning message's length, the
// terminated copies of path fields and the job storage notice's job name
// line) and the request documents built around a record, read back the way
// the user's-session host reads them.

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include "asyncui/request_document.h"
#include "dialogs/jobstorage/job_name_text.h"
#include "dialogs/warning/warning_growth.h"
#include "text/text_ops.h"

namespace {

const TextUnit kPoison = 0x2A2A;

// Text fields of the records: where they start and how many units they hold.
struct TextField {
    uint32_t offset;
    uint32_t units;
};
const TextField kDuplexPaths[] = {{0, 256}, {512, 256}, {1024, 256}};  // string module, help file, image module
const TextField kWarningMessage = {20, WARNING_MESSAGE_CCH};
const TextField kWarningStringModule = {2100, 256};

// One field copied into an allocation of exactly its size, so that reading
// past the field is a fault.
std::unique_ptr<TextUnit[]> FieldCopy(const std::vector<uint8_t>& record, TextField field) {
    std::unique_ptr<TextUnit[]> copy(new TextUnit[field.units]);
    memcpy(copy.get(), record.data() + field.offset, field.units * sizeof(TextUnit));
    return copy;
}

uint32_t VisibleLength(const TextUnit* text, uint32_t units) {
    uint32_t length = 0;
    while (length < units && text[length] != 0) ++length;
    return length;
}

// A field read as its owner reads it: at most units - 1 units into a buffer
// of units, always terminated, equal to the field's text up to there.
void CheckTerminatedCopy(const std::vector<uint8_t>& record, TextField field) {
    std::unique_ptr<TextUnit[]> source = FieldCopy(record, field);
    std::unique_ptr<TextUnit[]> copy(new TextUnit[field.units]);
    TextCopyN(copy.get(), field.units, source.get(), field.units - 1);
    const uint32_t expected = VisibleLength(source.get(), field.units - 1);
    if (VisibleLength(copy.get(), field.units) != expected) abort();
    if (memcmp(copy.get(), source.get(), expected * sizeof(TextUnit)) != 0) abort();
}

void CheckWarningMessage(const std::vector<uint8_t>& record) {
    std::unique_ptr<TextUnit[]> message = FieldCopy(record, kWarningMessage);
    const uint32_t length = WarningMessageLength(message.get());
    if (length != VisibleLength(message.get(), kWarningMessage.units - 1)) abort();
    if (BWarningMessageGrows(length) != (length > WARNING_GROWTH_THRESHOLD_CCH)) abort();
}

// The document around the record, read back as the host reads it: the text up
// to its NUL inside the document, the record right after it, spare zeros.
void CheckDocument(RequestDocumentKind kind, const std::vector<uint8_t>& record) {
    const uint32_t size = RequestDocumentSize(kind);
    std::unique_ptr<uint8_t[]> document(new uint8_t[size]);
    memset(document.get(), 0, size);
    if (BWriteRequestDocument(kind, record.data(), document.get(), size - 1) != 0) abort();
    if (BWriteRequestDocument(kind, record.data(), document.get(), size) != 1) abort();

    const TextUnit* text = reinterpret_cast<const TextUnit*>(document.get());
    const uint32_t length = VisibleLength(text, size / sizeof(TextUnit));
    const TextUnit* expected = RequestDocumentText(kind);
    if (expected[length] != 0 || memcmp(text, expected, length * sizeof(TextUnit)) != 0) abort();
    const uint32_t recordAt = (length + 1) * sizeof(TextUnit);
    if (recordAt + record.size() + REQUEST_DOCUMENT_SPARE_BYTES != size) abort();
    if (memcmp(document.get() + recordAt, record.data(), record.size()) != 0) abort();
    for (uint32_t i = recordAt + static_cast<uint32_t>(record.size()); i < size; ++i) {
        if (document[i] != 0) abort();
    }
}

// The job storage record's job name field (any units, NUL or none) and its
// two flags, shown as the notice shows them: the name up to its NUL within 16
// units, "(1-99)" after it only when both flags are exactly 1.
void CheckJobNameText(const uint8_t* data, size_t size) {
    uint8_t bytes[JOB_NAME_FIELD_CCH * sizeof(TextUnit) + 2 * sizeof(uint32_t)] = {};
    memcpy(bytes, data, size < sizeof(bytes) ? size : sizeof(bytes));
    std::unique_ptr<TextUnit[]> field(new TextUnit[JOB_NAME_FIELD_CCH]);
    memcpy(field.get(), bytes, JOB_NAME_FIELD_CCH * sizeof(TextUnit));
    uint32_t flags[2];
    memcpy(flags, bytes + JOB_NAME_FIELD_CCH * sizeof(TextUnit), sizeof(flags));

    std::unique_ptr<TextUnit[]> text(new TextUnit[JOB_NAME_TEXT_CCH]);
    VComposeJobNameText(*reinterpret_cast<const TextUnit(*)[JOB_NAME_FIELD_CCH]>(field.get()), flags[0], flags[1],
                        *reinterpret_cast<TextUnit(*)[JOB_NAME_TEXT_CCH]>(text.get()));

    std::u16string expected(field.get(), field.get() + VisibleLength(field.get(), JOB_NAME_FIELD_CCH - 1));
    if (flags[0] == 1 && flags[1] == 1) expected += u"(1-99)";
    if (VisibleLength(text.get(), JOB_NAME_TEXT_CCH) != expected.size()) abort();
    if (memcmp(text.get(), expected.data(), expected.size() * sizeof(TextUnit)) != 0) abort();
    for (uint32_t i = static_cast<uint32_t>(expected.size()); i < JOB_NAME_TEXT_CCH; ++i) {
        if (text[i] != 0) abort();
    }
}

// The text operations with capacities and contents from the input: nothing is
// written at or beyond the capacity, and a result is always terminated.
void CheckTextOperations(const uint8_t* data, size_t size) {
    if (size < 2) return;
    const uint32_t capacity = data[0] % 40;
    const uint32_t limit = data[1] % 48;
    const uint32_t units = static_cast<uint32_t>((size - 2) / sizeof(TextUnit));
    std::unique_ptr<TextUnit[]> source(new TextUnit[units + 1]);
    memcpy(source.get(), data + 2, units * sizeof(TextUnit));
    source[units] = 0;  // TextCopy and TextAppend take terminated sources
    const uint32_t sourceLength = VisibleLength(source.get(), units);

    std::unique_ptr<TextUnit[]> dest(new TextUnit[capacity == 0 ? 1 : capacity]);
    for (uint32_t i = 0; i < capacity; ++i) dest[i] = kPoison;
    // TextCopyN takes a count instead of a terminator: its source is exactly
    // that many units.
    const uint32_t taken = limit < units ? limit : units;
    std::unique_ptr<TextUnit[]> prefix(new TextUnit[taken]);
    memcpy(prefix.get(), source.get(), taken * sizeof(TextUnit));
    const TextStatus copied = TextCopyN(dest.get(), capacity, prefix.get(), taken);
    if (capacity == 0) {
        if (copied != TEXT_E_INVALIDARG) abort();
        return;
    }
    const uint32_t wanted = VisibleLength(source.get(), taken);
    const uint32_t kept = wanted < capacity - 1 ? wanted : capacity - 1;
    if ((copied == TEXT_S_OK) != (wanted <= capacity - 1)) abort();
    if (VisibleLength(dest.get(), capacity) != kept) abort();

    // The destination now holds a terminated text: append the whole source.
    const TextStatus appended = TextAppend(dest.get(), capacity, source.get());
    const uint32_t total = kept + sourceLength;
    if ((appended == TEXT_S_OK) != (total <= capacity - 1)) abort();
    if (VisibleLength(dest.get(), capacity) != (total < capacity - 1 ? total : capacity - 1)) abort();

    // Measuring within a maximum finds the NUL or refuses.
    uint32_t length = 0xFFFFFFFFu;
    const uint32_t maximum = units + 1;
    if (TextLength(source.get(), maximum, &length) != TEXT_S_OK || length != sourceLength) abort();
    if (sourceLength > 0) {
        const TextStatus shortMeasure = TextLength(source.get(), sourceLength, &length);
        if (shortMeasure != TEXT_E_INVALIDARG || length != 0) abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const RequestDocumentKind kind = static_cast<RequestDocumentKind>(data[0] % 3);
    // The record: the input's bytes, then zeros up to the record's size.
    std::vector<uint8_t> record(RequestRecordSize(kind), 0);
    memcpy(record.data(), data + 1, size - 1 < record.size() ? size - 1 : record.size());

    CheckDocument(kind, record);
    if (kind == REQUEST_WARNING) {
        CheckWarningMessage(record);
        CheckTerminatedCopy(record, kWarningMessage);
        CheckTerminatedCopy(record, kWarningStringModule);
    } else {
        for (const TextField& path : kDuplexPaths) CheckTerminatedCopy(record, path);
    }
    CheckJobNameText(data + 1, size - 1);
    CheckTextOperations(data + 1, size - 1);
    return 0;
}
