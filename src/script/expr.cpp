#include "script/expr.h"

#include "platform/process_wide.h"
#include "script/command_text.h"

namespace vandrell {

tExprOperators& tExprOperators::Current() { return tProcessWide<tExprOperators>::get(); }

tExprPtr tExpr::Create(const std::string& text) {
  auto expression = std::make_shared<tExpr>();
  expression->expr(text);
  return expression;
}

void tExpr::expr(const std::string& text) {
  _expr = text;
  _bin.reset();
  if (exprCompileOnSet) compile();
}

void tExpr::compile() { _bin = _rpn(_parse(_expr)); }

std::string tExpr::variable() {
  if (!_bin) compile();
  if (_bin->empty()) return "";
  const auto first = std::dynamic_pointer_cast<tExprVariable>(_bin->front());
  return first ? first->variable() : "";
}

tExprValuePtr tExpr::calc() {
  if (!_bin) compile();
  tExprStack stack{tExprValue::Create()};
  for (const tExprTokenPtr& token : *_bin) token->_apply(stack);
  // Every step pushes a value, so the stack still holds at least one here.
  _result = stack.back();
  return _result;
}

std::vector<tExprTokenPtr> tExpr::_parse(const std::string& text) {
  const auto& operators = tExprOperators::Current();
  std::vector<tExprTokenPtr> tokens;
  std::string pending;
  const auto flush = [&] {
    const std::string lexeme = TrimScriptText(pending);
    if (!lexeme.empty()) tokens.push_back(_lexeme2token(lexeme));
    pending.clear();
  };
  for (const char c : text) {
    const std::string symbol(1, c);
    if (operators.contains(symbol)) {
      flush();
      tokens.push_back(_lexeme2token(symbol));
    } else {
      pending += c;
    }
  }
  flush();
  return tokens;
}

tExprTokenPtr tExpr::_lexeme2token(const std::string& lexeme) {
  const auto& operators = tExprOperators::Current();
  if (const auto found = operators.find(lexeme); found != operators.end()) return found->second;
  const char first = lexeme.empty() ? '\0' : lexeme[0];
  if (first == '.' || (first >= '0' && first <= '9')) return tExprConst::Create(lexeme);
  if (lexeme.find(':') != std::string::npos) return tExprProperty::Create(lexeme);
  return tExprVariable::Create(lexeme);
}

std::vector<tExprTokenPtr> tExpr::_rpn(const std::vector<tExprTokenPtr>& tokens) {
  std::vector<tExprTokenPtr> output;
  std::vector<tExprOpPtr> operators;
  for (const tExprTokenPtr& token : tokens) {
    auto op = std::dynamic_pointer_cast<tExprOp>(token);
    if (!op) {
      output.push_back(token);
    } else if (std::dynamic_pointer_cast<tExprOp_OpenBr>(op)) {
      operators.push_back(op);
    } else if (std::dynamic_pointer_cast<tExprOp_CloseBr>(op)) {
      while (!operators.empty()) {
        tExprOpPtr top = std::move(operators.back());
        operators.pop_back();
        if (std::dynamic_pointer_cast<tExprOp_OpenBr>(top)) break;
        output.push_back(std::move(top));
      }
    } else {
      while (!operators.empty() && operators.back()->order() >= op->order()) {
        output.push_back(std::move(operators.back()));
        operators.pop_back();
      }
      operators.push_back(op);
    }
  }
  output.insert(output.end(), operators.rbegin(), operators.rend());
  return output;
}

}  // namespace vandrell
